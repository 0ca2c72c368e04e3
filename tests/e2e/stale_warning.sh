#!/bin/bash
# With the daily backup set up, a history whose newest good backup is older than 26
# hours brings a warning balloon at start-up saying since when; a fresh one does not,
# nor does a program whose settings were never saved.
. "$(dirname "$0")/lib.sh"
settings() { printf '[Mirthwell]\r\nUserName=scott\r\nPassWord=tiger\r\nDataBase=orcl\r\nExpTime=03:00:00\r\n' >"$SETTINGS"; }

setup_instance stale_old
settings
old=$(stamp_hours_ago 30)
add_history "$old	scheduled	ok	0	60	1000	C:\\bak\\scott.log"
failed=$(stamp_hours_ago 5)
add_history "$failed	scheduled	failed	1	2	0	C:\\bak\\scott2.log"
start_program
probe find "$TITLE" 30 >/dev/null
shown=$(balloon 10)
check "old history: a warning balloon at start-up" "warning" "$(sed -n 3p <<<"$shown")"
check "it says since when" "自 $old 以来没有成功的备份。 / 请检查备份设置和备份日志。" "$(sed -n 2p <<<"$shown")"
check "hint: the last outcome, the failure" "当前备份:scott / 上次备份:失败 $failed" "$(tray_hint)"
probe nballoon 40 >/dev/null
check "not again the same day" "not found: balloon" "$(balloon 4 | head -1)"
stop_program

setup_instance stale_fresh
settings
add_history "$(stamp_hours_ago 30)	scheduled	ok	0	60	1000	C:\\bak\\scott.log"
add_history "$(stamp_hours_ago 25)	manual	warnings	0	60	1000	C:\\bak\\scott3.log"
start_program
probe find "$TITLE" 30 >/dev/null
check "fresh history: no warning" "not found: balloon" "$(balloon 6 | head -1)"
stop_program

setup_instance stale_never_set_up
start_program
probe find "$TITLE" 30 >/dev/null
check "settings never saved: no warning" "not found: balloon" "$(balloon 6 | head -1)"
check "nothing recorded yet: the hint has one line" "当前备份:UserName" "$(tray_hint)"
finish
