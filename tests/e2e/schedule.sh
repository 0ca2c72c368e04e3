#!/bin/bash
# The time field set a few seconds ahead, unsaved, starts exactly one hidden export at
# that second; a tick held back past the second still starts it once.
. "$(dirname "$0")/lib.sh"
setup_instance schedule
printf '[Mirthwell]\r\nUserName=scott\r\nPassWord=tiger\r\nDataBase=orcl\r\n' >"$SETTINGS"
start_program
probe find "$TITLE" 30 >/dev/null
click_control "修改设置"

set_time_ahead() {  # set_time_ahead SECONDS: types the local time that many seconds ahead
  click_nth TMaskEdit 0
  keys Home
  type_text "$(date -d "+$1 seconds" +%H%M%S)"
}
set_time_ahead 6
wait_for 20 bash -c "[ \$(grep -c . '$RECORD' 2>/dev/null || echo 0) -ge 1 ]" || true
sleep 3
check "one export at the set second" "1" "$(record_lines)"
check "hidden" "0" "$(record_show 1)"

# Freeze the program across the set second: its next tick comes late.
set_time_ahead 5
pids=$(pgrep -f 'velmora.exe' || true)
sleep 3
kill -STOP $pids
sleep 5
kill -CONT $pids
wait_for 15 bash -c "[ \$(grep -c . '$RECORD') -ge 2 ]" || true
sleep 3
check "a late tick still starts it, once" "2" "$(record_lines)"
check "no settings saved" "absent" "$(grep -q ExpTime "$SETTINGS" && echo present || echo absent)"
finish
