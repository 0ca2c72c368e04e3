# Shared steps of the end-to-end tests: the real velmora.exe in its own folder beside
# the stand-in exp.exe, in the test prefix's virtual desktop, driven with xdotool and
# watched with the probe. Sourced by each test script.
set -Eeuo pipefail
# A step that fails stops the script: say which and show what was on screen.
trap 'stopped_at $? "${BASH_SOURCE[0]##*/}:$LINENO" "$BASH_COMMAND"' ERR
stopped_at() {
  [ "$BASHPID" == "$$" ] || return 0  # a failing command inside $(...) is the caller's to judge
  trap - ERR
  echo "STOPPED: $2: $3 (exit $1)"
  echo "windows then:"; probe windows 2>/dev/null | head -20 || true
  [ -n "${INSTANCE:-}" ] && import -window root "$INSTANCE/stopped.png" 2>/dev/null || true
}
VELMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
. "$VELMORA_ROOT/tests/wine-env.sh"
velmora_ensure_display >/dev/null

BUILD="$VELMORA_ROOT/build/windows"
PROBE="$BUILD/tests/helpers/probe.exe"
TITLE="数据备份"
APP_TITLE="VelmoraV2.1"
RUN_KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run'
FAILURES=0
CHECKS=0

# A fresh folder with the program and the stand-in exp; the record of exp's runs.
setup_instance() {
  # Nothing of an earlier run stays: no program, no stale desktop.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  INSTANCE="$BUILD/e2e/$1"
  rm -rf "$INSTANCE"
  mkdir -p "$INSTANCE"
  cp "$BUILD/velmora.exe" "$BUILD/tests/helpers/exp.exe" "$INSTANCE/"
  export VELMORA_EXP_RECORD="Z:${INSTANCE//\//\\}\\exp-record.txt"
  RECORD="$INSTANCE/exp-record.txt"
  SETTINGS="$INSTANCE/velmora.exe.qvk"
  wine reg delete "$RUN_KEY" /v Mirthwell /f >/dev/null 2>&1 || true
}

start_program() {
  (cd "$INSTANCE" && exec wine "$INSTANCE/velmora.exe" >"$INSTANCE/wine.log" 2>&1) &
  PROGRAM_PID=$!
}

probe() { wine "$PROBE" "$@" 2>/dev/null | tr -d '\r'; }

stop_program() {
  wineserver -k 2>/dev/null || true
  wait "${PROGRAM_PID:-}" 2>/dev/null || true
}

check() {  # check DESCRIPTION EXPECTED ACTUAL
  CHECKS=$((CHECKS + 1))
  if [ "$2" == "$3" ]; then
    echo "ok: $1"
  else
    FAILURES=$((FAILURES + 1))
    echo "FAILED: $1"
    echo "   expected: [$2]"
    echo "   actual:   [$3]"
    import -window root "$INSTANCE/failure-$CHECKS.png" 2>/dev/null || true
  fi
}

# Centre of a control or window given as "hwnd x y w h".
centre() { awk '{ printf "%d %d", $2 + $4 / 2, $3 + $5 / 2 }' <<<"$1"; }

click_at() { xdotool mousemove $1 $2 click "${3:-1}"; sleep 0.3; }
click_control() {  # click_control CAPTION [BUTTON]
  local rect; rect=$(probe control "$TITLE" "$1")
  [[ "$rect" == not* ]] && { echo "no control $1"; return 1; }
  click_at $(centre "$rect") "${2:-1}"
}
click_nth() {  # click_nth CLASS N
  local rect; rect=$(probe nth "$TITLE" "$1" "$2")
  click_at $(centre "$rect")
}
keys() { xdotool key --delay 60 "$@"; sleep 0.2; }
type_text() { xdotool type --delay 60 "$1"; sleep 0.2; }
field_text() { probe text "$TITLE" "$1" "$2"; }

wait_for() {  # wait_for SECONDS COMMAND...
  local end=$((SECONDS + $1)); shift
  until "$@"; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.2
  done
}

record_lines() { [ -f "$RECORD" ] && grep -c . "$RECORD" || echo 0; }
# The command line of run N (from 1) as text, and its show state.
record_command() { sed -n "${1}p" "$RECORD" | awk '{print $1}' | xxd -r -p | iconv -f GBK -t UTF-8; }
record_show() { sed -n "${1}p" "$RECORD" | awk '{print $3}' | tr -d '\r'; }

run_value() { wine reg query "$RUN_KEY" /v Mirthwell 2>/dev/null | tr -d '\r' | awk '/Mirthwell/ { $1=""; $2=""; sub(/^  /, ""); print }'; }

# The tray icon's place on the taskbar: the notification area is at its right end.
tray_icon_centre() {
  local bar; bar=$(probe windows | awk '$1 == "Shell_TrayWnd"')
  awk '{ printf "%d %d", $4 + $6 - 12, $5 + $7 / 2 }' <<<"$bar"
}

finish() {
  stop_program
  echo "$((CHECKS - FAILURES)) passed, $FAILURES failed"
  [ "$FAILURES" -eq 0 ]
}

# ---- Exports followed to their end: the history file, balloons, the tray hint ----

# The stand-in exp reads how to end (VELMORA_EXP_* lines) from this file at every run.
use_exp_control() {
  EXP_CONTROL="$INSTANCE/exp-control.txt"
  : >"$EXP_CONTROL"
  export VELMORA_EXP_CONTROL="Z:${INSTANCE//\//\\}\\exp-control.txt"
}
exp_ends() { printf '%s\r\n' "$@" >"$EXP_CONTROL"; }  # exp_ends NAME=value...

HISTORY_FILE_NAME=velmora.exe.history
history_count() { [ -f "$INSTANCE/$HISTORY_FILE_NAME" ] && grep -ac . "$INSTANCE/$HISTORY_FILE_NAME" || echo 0; }
history_line() { sed -n "${1}p" "$INSTANCE/$HISTORY_FILE_NAME" | tr -d '\r' | iconv -f GBK -t UTF-8; }
wait_history() {  # wait_history COUNT SECONDS
  wait_for "$2" bash -c "[ \$(grep -ac . '$INSTANCE/$HISTORY_FILE_NAME' 2>/dev/null || echo 0) -ge $1 ]"
}
add_history() { printf '%s\r\n' "$1" | iconv -f UTF-8 -t GBK >>"$INSTANCE/$HISTORY_FILE_NAME"; }
# Now minus N hours in UTC+8, as the history writes a stamp.
stamp_hours_ago() { date -u -d "@$(( $(date +%s) + 8 * 3600 - $1 * 3600 ))" '+%Y-%m-%d %H:%M:%S'; }

# Run N's log path (as exp was given it) and its stamp as "YYYY-MM-DD HH:MM:SS".
record_log() { record_command "$1" | sed -E 's/.* log=([^ ]*) file=.*/\1/'; }
record_stamp() {
  record_log "$1" | sed -E 's/.*[^0-9]([0-9]{4})年([0-9]+)月([0-9]+)日([0-9]+)点([0-9]+)分([0-9]+)秒.*/\1 \2 \3 \4 \5 \6/' |
    awk '{ printf "%04d-%02d-%02d %02d:%02d:%02d", $1, $2, $3, $4, $5, $6 }'
}

# The balloon the shell shows: three lines, "hwnd x y w h", its text (line breaks as
# " / "), the colour of its icon (error, warning, info).
balloon() { probe balloon "${1:-10}"; }
# The tray icon's tooltip (the hint), read by hovering over the icon.
tray_hint() {
  xdotool mousemove $(tray_icon_centre)
  sleep 0.3
  xdotool mousemove_relative 1 0
  probe tip 6 | sed -n 2p
  xdotool mousemove 500 100
  sleep 0.5
}

# In edit mode: types into the time field the local time that many seconds ahead.
type_time_ahead() {
  click_nth TMaskEdit 0
  keys Home
  type_text "$(date -d "+$1 seconds" +%H%M%S)"
}

# ---- Skinned menus: screenshots, pixels, the open pop-up menu ----

shot() { import -window root "$INSTANCE/shot.png" 2>/dev/null; }
pixel() { convert "$INSTANCE/shot.png" -format "%[hex:p{$1,$2}]" info: 2>/dev/null | cut -c1-6; }
skin_pixel() { convert "$VELMORA_ROOT/skins/default/$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6; }
# The rectangle (X Y W H) of the open pop-up menu window.
menu_rect() { probe windows | awk '$1 == "#32768" { print $4, $5, $6, $7; exit }'; }
wait_menu() {
  wait_for 10 bash -c "wine '$PROBE' windows 2>/dev/null | grep -q '^#32768'" || true
  sleep 1
}
# A fresh good backup in the history: no staleness balloon over a menu.
no_stale_balloon() { add_history "$(stamp_hours_ago 1)	scheduled	ok	0	60	1000	C:\\bak\\scott.log"; }
