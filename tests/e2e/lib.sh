# Shared steps of the end-to-end tests: the real velmora.exe in its own folder beside
# the stand-in exp.exe, in the test prefix's virtual desktop, driven with xdotool and
# watched with the probe. Sourced by each test script.
set -euo pipefail
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
