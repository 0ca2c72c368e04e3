#!/bin/bash
# KeepBackups=2: after five good exports, the newest two dump and log pairs stay, the
# three older ones are deleted and recorded as removed, and every file the history
# does not name stays, however much it looks like a backup.
. "$(dirname "$0")/lib.sh"
setup_instance retention
printf '[Mirthwell]\r\nUserName=scott\r\nPassWord=tiger\r\nDataBase=orcl\r\nKeepBackups=2\r\n' >"$SETTINGS"
add_history "$(stamp_hours_ago 1)	scheduled	ok	0	60	1000	C:\\elsewhere\\scott.log"
# Files nobody recorded: a pair of scott's from before the history, another user's pair,
# and others.
unrelated=("scott2024年1月2日3点4分5秒.dmp" "scott2024年1月2日3点4分5秒.log" "tiger2024年1月2日3点4分5秒.dmp"
           "scott22024年1月2日3点4分5秒.log" "notes.txt" "scott.dmp")
for f in "${unrelated[@]}"; do echo "keep me" >"$INSTANCE/$f"; done
start_program
probe find "$TITLE" 30 >/dev/null

for n in 1 2 3 4 5; do
  click_control "立即备份"
  wait_history $((n + 1)) 20 || true
  sleep 1.1  # a new second: each export its own stamp
done
wait_history 9 10 || true
check "five exports recorded" "5" "$(grep -ac $'\tmanual\tok\t' "$INSTANCE/$HISTORY_FILE_NAME")"
# From the third export on, each good one deletes the oldest pair beyond two.
removed_line() { grep -a $'\tremoved\t' "$INSTANCE/$HISTORY_FILE_NAME" | sed -n "${1}p" | tr -d '\r' | iconv -f GBK -t UTF-8; }
check "removals follow the exports" "ok ok ok removed ok removed ok removed" \
  "$(for n in 2 3 4 5 6 7 8 9; do history_line $n | cut -f3; done | tr '\n' ' ' | sed 's/ $//')"
unix_path() { local p="${1#Z:}"; p="${p//\\\\/\\}"; echo "${p//\\//}"; }
for n in 1 2 3; do
  log=$(unix_path "$(record_log $n)")
  check "export $n: its pair was deleted" "gone gone" \
    "$([ -e "$log" ] && echo there || echo gone) $([ -e "${log%.log}.dmp" ] && echo there || echo gone)"
  check "export $n: recorded as removed" "$(record_stamp $n)	manual	removed	0	0	15	$(record_log $n)" \
    "$(removed_line $n)"
done
for n in 4 5; do
  log=$(unix_path "$(record_log $n)")
  check "export $n: its pair stays" "there there" \
    "$([ -e "$log" ] && echo there || echo gone) $([ -e "${log%.log}.dmp" ] && echo there || echo gone)"
done
for f in "${unrelated[@]}"; do check "unrelated $f stays" "keep me" "$(cat "$INSTANCE/$f" 2>/dev/null)"; done
check "the program and its files stay" "exp.exe exp-record.txt velmora.exe velmora.exe.qvk" \
  "$(cd "$INSTANCE" && ls velmora.exe exp.exe velmora.exe.qvk exp-record.txt | sort | tr '\n' ' ' | sed 's/ $//')"
check "nine lines: the first, five exports, three removals" "9" "$(history_count)"
finish
