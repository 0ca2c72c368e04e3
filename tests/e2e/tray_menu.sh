#!/bin/bash
# The tray menu wears the skin: a right-click on the tray icon opens a menu with the
# skin's edge and background, its four items in order ("显示界面", "立即备份", "关于",
# "退出") each skinned when selected; "立即备份" starts the stand-in export and "退出"
# ends the program. Opening it again and again changes nothing.
. "$(dirname "$0")/lib.sh"
setup_instance tray_menu
printf '[Mirthwell]\r\nUserName=scott\r\nPassWord=tiger\r\nDataBase=orcl\r\n' >"$SETTINGS"
no_stale_balloon

# The default skin's menu background: its edge and its fill.
EDGE=$(skin_pixel menu_background.bmp 0 0)
FILL=$(skin_pixel menu_background.bmp 12 12)
open_menu() {
  click_at $(tray_icon_centre) 3
  wait_menu
  # Away from the icon, so that its hint does not cover the menu.
  xdotool mousemove 10 10
  sleep 0.5
}
close_menu() {
  keys Escape
  wait_for 10 bash -c "! wine '$PROBE' windows 2>/dev/null | grep -q '^#32768'" || true
  # The next right-click on the icon must not make a double click with the last one.
  sleep 0.7
}
# The first and last row (from the menu's top) drawn in another colour than the menu's
# background near its right edge, where no text is: the selected item.
selected_rows() {
  local x=$1 y=$2 w=$3 h=$4
  convert "$INSTANCE/shot.png" -crop "1x$((h - 2))+$((x + w - 10))+$((y + 1))" +repage txt:- 2>/dev/null |
    awk -v c="#$FILL" 'NR > 1 && toupper($3) != toupper(c) { split($1, p, /[,:]/); print p[2] + 1 }' |
    awk 'NR == 1 { first = $1 } { last = $1 } END { if (NR) print first, last }'
}

start_program
probe find "$TITLE" 30 >/dev/null
sleep 1

open_menu
read -r mx my mw mh <<<"$(menu_rect)"
check "the tray menu is open" "yes" "$([ -n "${mh:-}" ] && echo yes || echo no)"
shot
check "its edge is the skin's" "$EDGE" "$(pixel "$mx" $((my + mh / 2)))"
check "its bottom edge is the skin's" "$EDGE" "$(pixel $((mx + mw / 2)) $((my + mh - 1)))"
check "its margin is the skin's background" "$FILL" "$(pixel $((mx + 2)) $((my + mh / 2)))"
# Four items: the selection walks four rows from the top and comes back to the first.
previous=-1
for n in 1 2 3 4; do
  keys Down
  sleep 0.3
  shot
  read -r top bottom <<<"$(selected_rows "$mx" "$my" "$mw" "$mh")"
  check "item $n is drawn selected from the skin" "yes" "$([ -n "${top:-}" ] && echo yes || echo no)"
  check "item $n lies below item $((n - 1))" "yes" "$([ "${top:-0}" -gt "$previous" ] && echo yes || echo no)"
  previous=${bottom:-0}
done
check "four items fill the menu" "yes" "$([ $((mh - previous)) -lt 12 ] && echo yes || echo no)"
keys Down
sleep 0.3
shot
read -r top _ <<<"$(selected_rows "$mx" "$my" "$mw" "$mh")"
check "a fifth step comes back to the first item" "yes" "$([ "${top:-99}" -lt 12 ] && echo yes || echo no)"
close_menu

# Opened and closed many times, the menu still opens skinned.
for n in $(seq 1 20); do
  open_menu
  close_menu
done
open_menu
read -r mx my mw mh <<<"$(menu_rect)"
shot
check "still skinned after twenty openings" "$EDGE" "$(pixel "$mx" $((my + mh / 2)))"
close_menu

# "退出", the last item, clicked with the mouse, ends the program.
open_menu
read -r mx my mw mh <<<"$(menu_rect)"
click_at $((mx + mw / 2)) $((my + mh - 10))
wait_for 15 bash -c "! kill -0 $PROGRAM_PID 2>/dev/null" || true
check "退出 ends the program" "ended" "$(kill -0 $PROGRAM_PID 2>/dev/null && echo running || echo ended)"

# "立即备份", the second item, starts the stand-in export, in a program started again: the
# balloon that tells the export's end lies over the menu for a while, so no menu is
# opened after it.
start_program
probe find "$TITLE" 30 >/dev/null
sleep 1
open_menu
keys Down Down Return
wait_for 15 bash -c "[ \$(grep -c . '$RECORD' 2>/dev/null || echo 0) -ge 1 ]" || true
check "立即备份 starts the export" "1" "$(record_lines)"
check "with a shown window" "1" "$(record_show 1)"

stop_program
finish
