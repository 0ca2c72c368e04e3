#!/bin/bash
# A history file that cannot be written never stops a backup: read-only (Wine run by
# root would write it anyway; the program honours the attribute itself), then held
# open by another program. The failure is shown once, the exports run and are shown.
. "$(dirname "$0")/lib.sh"
setup_instance readonly_history
printf '[Mirthwell]\r\nUserName=scott\r\nPassWord=tiger\r\nDataBase=orcl\r\n' >"$SETTINGS"
add_history "$(stamp_hours_ago 1)	scheduled	ok	0	60	1000	C:\\elsewhere\\scott.log"
history_before=$(md5sum <"$INSTANCE/$HISTORY_FILE_NAME")
chmod a-w "$INSTANCE/$HISTORY_FILE_NAME"
check "Wine sees it read-only" "R" "$(wine cmd /c attrib "Z:${INSTANCE//\//\\}\\$HISTORY_FILE_NAME" 2>/dev/null | tr -d '\r' | awk '{print $2}')"
start_program
probe find "$TITLE" 30 >/dev/null

click_control "立即备份"
wait_for 15 bash -c "[ \$(grep -c . '$RECORD' 2>/dev/null || echo 0) -ge 1 ]" || true
check "the export ran" "1" "$(record_lines)"
box=$(probe boxtext "$APP_TITLE" 15)
check "the failure is shown" "yes" "$(grep -q "无法写入备份记录 Z:${INSTANCE//\//\\\\}\\\\$HISTORY_FILE_NAME" <<<"$box" && echo yes || echo no)"
# Enter closes the box once it has the keyboard (the export's balloon comes first and
# the box may take a moment to be the active window).
for _ in 1 2 3; do
  keys Return
  wait_for 3 bash -c "[ \"\$(wine '$PROBE' boxtext '$APP_TITLE' 0 2>/dev/null | tr -d '\r')\" = 'not found: message box' ]" && break
done
log=$(record_log 1 | sed 's/^Z://; s/\\\\/\\/g; s/\\/\//g')
check "its files were written" "yes yes" "$([ -f "$log" ] && echo yes || echo no) $([ -f "${log%.log}.dmp" ] && echo yes || echo no)"
check "it was shown" "info" "$(balloon 10 | sed -n 3p)"
check "the hint follows all the same" "当前备份:scott / 上次备份:成功 $(record_stamp 1)" "$(tray_hint)"
probe nballoon 40 >/dev/null

click_control "立即备份"
wait_for 15 bash -c "[ \$(grep -c . '$RECORD') -ge 2 ]" || true
check "a second export ran" "2" "$(record_lines)"
check "shown" "info" "$(balloon 10 | sed -n 3p)"
check "the failure is not shown again" "not found: message box" "$(probe boxtext "$APP_TITLE" 3)"
probe nballoon 40 >/dev/null

# Writable again, but held open by another program, shared with nobody.
chmod u+w "$INSTANCE/$HISTORY_FILE_NAME"
wine cmd /c attrib -r "Z:${INSTANCE//\//\\}\\$HISTORY_FILE_NAME" >/dev/null 2>&1
wine "$PROBE" hold "Z:${INSTANCE//\//\\}\\$HISTORY_FILE_NAME" 30 >"$INSTANCE/hold.txt" 2>/dev/null &
holder=$!
wait_for 10 grep -q held "$INSTANCE/hold.txt" || true
click_control "立即备份"
wait_for 15 bash -c "[ \$(grep -c . '$RECORD') -ge 3 ]" || true
check "held open: the export ran" "3" "$(record_lines)"
check "shown" "info" "$(balloon 10 | sed -n 3p)"
kill $holder 2>/dev/null || true
check "the history is as it was" "$history_before" "$(md5sum <"$INSTANCE/$HISTORY_FILE_NAME")"
finish
