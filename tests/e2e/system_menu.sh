#!/bin/bash
# The main window's system menu wears the skin: Alt+Space and a right-click on the
# caption open it with the skin's edge and background, and its "最小化" hides the window
# to the tray.
. "$(dirname "$0")/lib.sh"
setup_instance system_menu
printf '[Mirthwell]\r\nUserName=scott\r\n' >"$SETTINGS"
no_stale_balloon

EDGE=$(skin_pixel menu_background.bmp 0 0)
FILL=$(skin_pixel menu_background.bmp 12 12)
# Checks that the open menu is skinned, then picks "最小化" by its letter.
skinned_then_minimize() {
  local how=$1 mx my mw mh
  read -r mx my mw mh <<<"$(menu_rect)"
  check "$how opens the system menu" "yes" "$([ -n "${mh:-}" ] && echo yes || echo no)"
  shot
  check "$how: the menu's edge is the skin's" "$EDGE" "$(pixel "$mx" $((my + mh / 2)))"
  check "$how: its margin is the skin's background" "$FILL" "$(pixel $((mx + 2)) $((my + mh / 2)))"
  keys n
  wait_for 10 bash -c "[ \"\$(wine '$PROBE' find '$TITLE' 0 2>/dev/null | tr -d '\r')\" = 'not found: window' ]" || true
  check "$how: 最小化 hides the window to the tray" "not found: window" "$(probe find "$TITLE" 1)"
}
show_again() {
  click_at $(tray_icon_centre) 3
  sleep 1
  keys Down Return   # 显示界面
  probe find "$TITLE" 10
}

start_program
window=$(probe find "$TITLE" 30)
read -r x y w h <<<"$(awk '{ print $2, $3, $4, $5 }' <<<"$window")"
sleep 1
click_at $((x + w / 2 - 30)) $((y + 14))
keys alt+space
wait_menu
skinned_then_minimize "Alt+Space"

window=$(show_again)
read -r x y w h <<<"$(awk '{ print $2, $3, $4, $5 }' <<<"$window")"
sleep 1
click_at $((x + w / 2 - 30)) $((y + 12)) 3
wait_menu
skinned_then_minimize "a right-click on the caption"
finish
