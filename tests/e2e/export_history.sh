#!/bin/bash
# Each export is followed to its end: a manual and a scheduled export append their
# history lines; a failed scheduled export shows an error balloon with exp's reason;
# the tray hint's second line follows the last outcome; two exports running at once
# are both recorded; an exp that cannot be found is recorded as not started.
. "$(dirname "$0")/lib.sh"
setup_instance export_history
use_exp_control
printf '[Mirthwell]\r\nUserName=scott\r\nPassWord=tiger\r\nDataBase=orcl\r\n' >"$SETTINGS"
# A good backup two hours ago: no staleness warning in the way.
fresh=$(stamp_hours_ago 2)
add_history "$fresh	scheduled	ok	0	60	1000	C:\\old\\scott.log"
start_program
probe find "$TITLE" 30 >/dev/null
check "hint at start: the last recorded outcome" "当前备份:scott / 上次备份:成功 $fresh" "$(tray_hint)"

# A manual export that succeeds.
click_control "立即备份"
wait_history 2 20 || true
check "manual export recorded" \
  "$(record_stamp 1)	manual	ok	0	0	15	$(record_log 1)" "$(history_line 2)"
shown=$(balloon 10)
check "manual export: a balloon whatever the outcome" "info" "$(sed -n 3p <<<"$shown")"
check "balloon says how long and how big" "yes" "$(grep -q '用时 0 秒,备份文件 15 字节' <<<"$shown" && echo yes || echo no)"
check "hint follows" "当前备份:scott / 上次备份:成功 $(record_stamp 1)" "$(tray_hint)"
probe nballoon 40 >/dev/null

# A scheduled export that succeeds: recorded, no balloon.
click_control "修改设置"
type_time_ahead 5
wait_history 3 25 || true
check "scheduled export recorded" \
  "$(record_stamp 2)	scheduled	ok	0	0	15	$(record_log 2)" "$(history_line 3)"
check "hidden as before" "0" "$(record_show 2)"
check "no balloon for a good scheduled export" "not found: balloon" "$(balloon 3 | head -1)"

# A scheduled export that fails: wrong password, exp's exit code 1, no dump.
exp_ends "VELMORA_EXP_LAST_LINE=EXP-00000: Export terminated unsuccessfully" \
  "VELMORA_EXP_LOG_LINES=EXP-00056: ORACLE error 1017 encountered|ORA-01017: invalid username/password; logon denied" \
  "VELMORA_EXP_EXIT_CODE=1" "VELMORA_EXP_NO_DUMP=1" "VELMORA_EXP_SLEEP_MS=1200"
type_time_ahead 5
wait_history 4 25 || true
check "failed export recorded" \
  "$(record_stamp 3)	scheduled	failed	1	1	0	$(record_log 3)" "$(history_line 4)"
shown=$(balloon 10)
check "failed scheduled export: error balloon" "error" "$(sed -n 3p <<<"$shown")"
check "balloon gives exp's reasons" \
  "EXP-00056: ORACLE error 1017 encountered / ORA-01017: invalid username/password; logon denied / EXP-00000: Export terminated unsuccessfully" \
  "$(sed -n 2p <<<"$shown")"
check "hint says it failed" "当前备份:scott / 上次备份:失败 $(record_stamp 3)" "$(tray_hint)"
probe nballoon 40 >/dev/null

# Two exports at once: each takes six seconds, the second starts while the first runs.
exp_ends "VELMORA_EXP_SLEEP_MS=6000"
click_control "立即备份"
click_control "立即备份"
wait_for 10 bash -c "[ \$(grep -c . '$RECORD') -ge 5 ]" || true
check "the second started while the first ran" "4" "$(history_count)"
wait_history 6 25 || true
check "both recorded" "6" "$(history_count)"
both=$( (history_line 5; history_line 6) | sort)
expected=$( (printf '%s\tmanual\tok\t0\t6\t15\t%s\n' "$(record_stamp 4)" "$(record_log 4)";
             printf '%s\tmanual\tok\t0\t6\t15\t%s\n' "$(record_stamp 5)" "$(record_log 5)") | sort)
check "each with its own files" "$expected" "$both"
probe nballoon 40 >/dev/null

# No exp to be found: the error box as before, and the export is recorded and shown.
rm "$INSTANCE/exp.exe"
click_control "立即备份"
check "the error box as before" "yes" "$(probe boxtext "$APP_TITLE" 10 | grep -q '^备份没有启动' && echo yes || echo no)"
keys Return
wait_history 7 10 || true
check "not started: recorded with the system's error" "manual	not-started	2	0	0" "$(history_line 7 | cut -f2-6)"
shown=$(balloon 10)
check "not started: an error balloon" "error" "$(sed -n 3p <<<"$shown")"
check "the hint says so" "当前备份:scott / 上次备份:没有启动 $(history_line 7 | cut -f1)" "$(tray_hint)"
check "the first line is still there" "$fresh	scheduled	ok	0	60	1000	C:\\old\\scott.log" "$(history_line 1)"
finish
