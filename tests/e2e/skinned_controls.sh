#!/bin/bash
# The main window's buttons, check box and group box are served by the skin's painters:
# hovering and pressing change a button's face, a press dragged off the button clicks
# nothing, "修改设置" switches to edit mode and "保存设置" saves with the mouse, "后台运行"
# hides the window, a settings file another program holds shows "Unable to write to …",
# and "退出" from the tray while a message box of a click is still open ends the program
# cleanly.
. "$(dirname "$0")/lib.sh"
setup_instance skinned_controls

shot() { import -window root "$INSTANCE/shot.png" 2>/dev/null; }
pixel() { convert "$INSTANCE/shot.png" -format "%[hex:p{$1,$2}]" info: 2>/dev/null | cut -c1-6; }
differs() { [ "$1" != "$2" ] && echo different || echo same; }
box_gone() { wait_for 10 bash -c "[ \"\$(wine '$PROBE' boxtext '$APP_TITLE' 0 2>/dev/null | tr -d '\r')\" = 'not found: message box' ]"; }

start_program
probe find "$TITLE" 30 >/dev/null
sleep 1
for caption in "修改设置" "立即备份" "后台运行" "." "开机运行" "Velmora"; do
  check "\"$caption\" is skinned" "1" "$(probe skinned "$TITLE" "$caption")"
done

# Normal, hot and pressed faces of "立即备份", read beside its caption.
read -r _ bx by bw bh <<<"$(probe control "$TITLE" "立即备份")"
fx=$((bx + 5)) fy=$((by + bh / 2))
xdotool mousemove $((bx - 40)) $((by - 40))
sleep 0.5
shot
normal=$(pixel $fx $fy)
xdotool mousemove $((bx + bw / 2)) $fy
sleep 0.5
shot
hot=$(pixel $fx $fy)
check "hovering changes the face" "different" "$(differs "$normal" "$hot")"
xdotool mousedown 1
sleep 0.5
shot
pressed=$(pixel $fx $fy)
check "pressing changes the face" "different" "$(differs "$hot" "$pressed")"
# Dragged off before the release: no click, so no export and no box.
xdotool mousemove $((bx - 40)) $((by - 40))
sleep 0.3
xdotool mouseup 1
sleep 2
check "a press dragged off clicks nothing" "0" "$(record_lines)"
check "no box either" "not found: message box" "$(probe boxtext "$APP_TITLE" 1)"
shot
check "the face is normal again" "$normal" "$(pixel $fx $fy)"

# "修改设置" switches modes; a user name typed and "保存设置" clicked is saved.
click_control "修改设置"
check "edit mode" "保存设置" "$(probe text "$TITLE" TButton 1)"
click_at $(centre "$(probe nth "$TITLE" TEdit 0)")
keys End shift+Home
type_text "skinned"
click_control "保存设置"
check "saved" "保存成功!" "$(probe boxtext "$APP_TITLE" 10)"
keys Return
box_gone || true
check "the name is in the file" "yes" "$(grep -qa 'UserName=skinned' "$SETTINGS" && echo yes || echo no)"
check "view mode again" "修改设置" "$(probe text "$TITLE" TButton 1)"

# A settings file held by another program: the click's error reaches the error box.
click_control "修改设置"
before=$(md5sum <"$SETTINGS")
wine "$PROBE" hold "Z:${SETTINGS//\//\\}" 30 >"$INSTANCE/hold.txt" 2>/dev/null &
holder=$!
wait_for 10 grep -q held "$INSTANCE/hold.txt" || true
click_control "保存设置"
box=$(probe boxtext "$APP_TITLE" 10)
check "the failure is shown" "yes" "$(grep -q '^Unable to write to ' <<<"$box" && echo yes || echo no)"
for _ in 1 2 3; do
  keys Return
  box_gone && break
done
kill "$holder" 2>/dev/null || true
wait "$holder" 2>/dev/null || true
check "the file is as it was" "$before" "$(md5sum <"$SETTINGS")"

# "后台运行" hides the window to the tray.
click_control "后台运行"
check "hidden" "not found: window" "$(probe find "$TITLE" 1)"

# Back again; a click whose message box is still open, then "退出" from the tray.
click_at $(tray_icon_centre) 3
sleep 1
keys Down Return   # 显示界面
probe find "$TITLE" 10 >/dev/null
[ "$(probe text "$TITLE" TButton 1)" = "修改设置" ] && click_control "修改设置"
click_control "保存设置"
check "the box is open" "保存成功!" "$(probe boxtext "$APP_TITLE" 10)"
click_at $(tray_icon_centre) 3
sleep 1
keys Up Return     # 退出
wait_for 15 bash -c "! kill -0 $PROGRAM_PID 2>/dev/null" || true
check "quit from the tray under the box ends the program" "ended" \
  "$(kill -0 $PROGRAM_PID 2>/dev/null && echo running || echo ended)"
check "without a crash" "" "$(grep -a 'Unhandled exception\|page fault' "$INSTANCE/wine.log" | head -1)"
finish
