#!/bin/bash
# Back up now: from the button in both modes, and from the tray menu with the window
# hidden. Each time exp gets the command line and a shown window.
. "$(dirname "$0")/lib.sh"
setup_instance backup_now
printf '[Mirthwell]\r\nUserName=scott\r\nPassWord=tiger\r\nDataBase=orcl\r\n' >"$SETTINGS"
start_program
probe find "$TITLE" 30 >/dev/null

click_control "立即备份"
wait_for 15 bash -c "[ \$(grep -c . '$RECORD' 2>/dev/null || echo 0) -ge 1 ]" || true
check "one export from the button" "1" "$(record_lines)"
command=$(record_command 1)
check "command line" "exp scott/tiger@orcl owner=scott log=Z:${INSTANCE//\//\\}\\\\scott" "${command%%20[0-9][0-9]年*}"
check "ends with the dump name" ".dmp" "${command: -4}"
check "shown window" "1" "$(record_show 1)"

click_control "修改设置"
click_control "立即备份"
wait_for 15 bash -c "[ \$(grep -c . '$RECORD') -ge 2 ]" || true
check "a second export in edit mode" "2" "$(record_lines)"
check "shown window in edit mode" "1" "$(record_show 2)"

# Hidden to the tray, then the tray menu's "立即备份" (second item).
click_control "后台运行"
check "window hidden" "not found: window" "$(probe find "$TITLE" 1)"
click_at $(tray_icon_centre) 3
sleep 1
keys Down Down Return
wait_for 15 bash -c "[ \$(grep -c . '$RECORD') -ge 3 ]" || true
check "an export from the tray menu" "3" "$(record_lines)"
check "shown window from the tray" "1" "$(record_show 3)"
finish
