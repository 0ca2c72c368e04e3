#!/bin/bash
# The main window wears the skin's frame: its corners are cut away (the desktop shows
# through), the title is drawn in the skin's colour, the caption's minimise button hides
# it to the tray and "显示界面" brings it back skinned, dragging the caption moves it,
# the message boxes ("保存成功!", the about box, an error) wear the frame and close with
# Enter, and the caption's close button ends the program.
. "$(dirname "$0")/lib.sh"
setup_instance skinned_window

shot() { import -window root "$INSTANCE/shot.png" 2>/dev/null; }
pixel() { convert "$INSTANCE/shot.png" -format "%[hex:p{$1,$2}]" info: 2>/dev/null | cut -c1-6; }
# Pixels of one colour in a rectangle X Y W H.
count_colour() {
  convert "$INSTANCE/shot.png" -crop "$3x$4+$1+$2" +repage txt:- 2>/dev/null | grep -ci "#$5" || true
}
rect_of() { awk '{ print $2, $3, $4, $5 }' <<<"$1"; }

start_program
window=$(probe find "$TITLE" 30)
read -r x y w h <<<"$(rect_of "$window")"
sleep 1
shot
desktop=$(pixel $((x - 3)) $((y + h / 2)))
check "top-left corner cut away" "$desktop" "$(pixel "$x" "$y")"
check "top-right corner cut away" "$desktop" "$(pixel $((x + w - 1)) "$y")"
check "the frame is drawn inside the corners" "different" \
  "$([ "$(pixel $((x + w / 2)) $((y + 2)))" != "$desktop" ] && echo different || echo same)"
# The title "数据备份" in the skin's white, from the text shift on.
white=$(count_colour $((x + 30)) $((y + 4)) 60 22 FFFFFF)
check "title drawn in the skin's colour" "yes" "$([ "${white:-0}" -gt 20 ] && echo yes || echo no)"

# Dragging the caption moves the window.
xdotool mousemove $((x + 50)) $((y + 14)) mousedown 1 mousemove $((x + 90)) $((y + 54)) mouseup 1
sleep 0.5
read -r nx ny _ _ <<<"$(rect_of "$(probe find "$TITLE" 5)")"
check "dragged by the caption" "40 40" "$((nx - x)) $((ny - y))"
x=$nx y=$ny

# The caption's minimise button (the skin places it 83 pixels from the right edge).
click_at $((x + w - 83 + 13)) $((y + 15))
wait_for 10 bash -c "[ \"\$(wine '$PROBE' find '$TITLE' 0 2>/dev/null | tr -d '\r')\" = 'not found: window' ]" || true
check "minimise button hides it to the tray" "not found: window" "$(probe find "$TITLE" 1)"
click_at $(tray_icon_centre) 3
sleep 1
keys Down Return   # 显示界面
window=$(probe find "$TITLE" 10)
read -r x y w h <<<"$(rect_of "$window")"
sleep 1
shot
check "shown again with its corners cut" "$(pixel $((x - 3)) $((y + h / 2)))" "$(pixel "$x" "$y")"

# A message box of the program wears the frame and closes with Enter.
check_skinned_box() {  # check_skinned_box WHAT
  local box=""
  wait_for 10 bash -c "wine '$PROBE' windows 2>/dev/null | grep -q '^#32770'" || true
  box=$(probe windows | awk '$1 == "#32770" { print $(NF-3), $(NF-2), $(NF-1), $NF; exit }')
  check "$1 shown" "yes" "$([ -n "$box" ] && echo yes || echo no)"
  [ -n "$box" ] || return 0
  read -r bx by bw bh <<<"$box"
  sleep 1
  shot
  # Its top-right corner (wider than the main window, over the desktop) shows what lies
  # behind it, as the pixel just right of it does.
  check "$1: corner cut away" "$(pixel $((bx + bw + 1)) "$by")" "$(pixel $((bx + bw - 1)) "$by")"
  check "$1: frame drawn" "different" \
    "$([ "$(pixel $((bx + bw / 2)) $((by + 2)))" != "$(pixel $((bx + bw / 2)) $((by - 2)))" ] && echo different || echo same)"
  keys Return
  wait_for 10 bash -c "! wine '$PROBE' windows 2>/dev/null | grep -q '^#32770'" || true
  check "$1 closes with Enter" "" "$(probe windows | awk '$1 == "#32770"')"
}

# "修改设置" then "保存设置" saves and says so.
click_control "修改设置"
click_control "保存设置"
check_skinned_box "the saved message"

# The about box, from the tray menu's third item.
click_at $(tray_icon_centre) 3
sleep 1
keys Down Down Down Return
check_skinned_box "the about box"

# An error: "立即备份" without exp beside the program or on the path.
rm -f "$INSTANCE/exp.exe"
click_control "立即备份"
check_skinned_box "the error box"

# The caption's close button ends the program.
read -r x y w h <<<"$(rect_of "$(probe find "$TITLE" 5)")"
click_at $((x + w - 31 + 13)) $((y + 15))
wait_for 15 bash -c "! kill -0 $PROGRAM_PID 2>/dev/null" || true
check "close button ends the process" "ended" "$(kill -0 $PROGRAM_PID 2>/dev/null && echo running || echo ended)"
finish
