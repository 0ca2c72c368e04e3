#!/bin/bash
# Each of the main window's five edits (the time field too) shows the skin's border, one
# ring in the skin's frame colour and two white rings inside it, on screen: in view mode,
# in edit mode, after typing, after hiding to the tray and showing again, and after the
# time field's invalid-input box. No window of the program stands over the main window
# other than its own controls.
. "$(dirname "$0")/lib.sh"
setup_instance edit_borders

shot() { import -window root "$INSTANCE/shot.png" 2>/dev/null; }
pixel() { convert "$INSTANCE/shot.png" -format "%[hex:p{$1,$2}]" info: 2>/dev/null | cut -c1-6 | tr 'A-F' 'a-f'; }
# The default skin's frame colour (its "ButtonShadow", 160 170 186).
FRAME=a0aaba
edits=("TEdit 0" "TEdit 1" "TEdit 2" "TEdit 3" "TMaskEdit 0")

# "ok" when every edit's left and top edges show the frame ring and two white rings.
borders() {
  shot
  local result=ok edit x y w h
  for edit in "${edits[@]}"; do
    read -r _ x y w h <<<"$(probe nth "$TITLE" $edit)"
    local my=$((y + h / 2)) mx=$((x + w / 2))
    local seen="$(pixel $x $my) $(pixel $((x + 1)) $my) $(pixel $((x + 2)) $my)"
    seen="$seen $(pixel $mx $y) $(pixel $mx $((y + 1))) $(pixel $mx $((y + 2)))"
    if [ "$seen" != "$FRAME ffffff ffffff $FRAME ffffff ffffff" ]; then
      result="$edit: $seen"
      break
    fi
  done
  echo "$result"
}

start_program
probe find "$TITLE" 30 >/dev/null
sleep 1
check "view mode" ok "$(borders)"

click_control "修改设置"
sleep 0.5
check "edit mode" ok "$(borders)"

for edit in "TEdit 0" "TEdit 2"; do
  click_at $(centre "$(probe nth "$TITLE" $edit)")
  keys End
  type_text "x"
done
sleep 0.3
check "after typing" ok "$(borders)"

click_control "后台运行"
click_at $(tray_icon_centre) 3
sleep 1
keys Down Return   # 显示界面
probe find "$TITLE" 10 >/dev/null
sleep 1
check "hidden to the tray and shown again" ok "$(borders)"

[ "$(probe text "$TITLE" TButton 1)" = "修改设置" ] && click_control "修改设置"
click_nth TMaskEdit 0
keys Home shift+End Delete
type_text "1"
click_nth TEdit 0
check "the invalid-input box" "Invalid input value.  Use escape key to abandon changes." "$(probe boxtext "$APP_TITLE" 10)"
keys Return
probe gone "$APP_TITLE" 5 >/dev/null || true
keys Escape
sleep 0.5
check "after the invalid-input box" ok "$(borders)"

# Only the main window and the shell's own windows are up: no stray overlay.
pid_windows=$(probe windows | awk '$1 != "Shell_TrayWnd" && $1 != "tooltips_class32" && $1 != "TApplication"' | grep -c . || true)
check "one window of the program on screen" "1" "$pid_windows"
finish
