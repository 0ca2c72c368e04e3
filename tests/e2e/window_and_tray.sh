#!/bin/bash
# Minimizing and "后台运行" leave only the tray icon; "显示界面" brings the window back;
# "退出" ends the program and takes the icon away. Started with Windows: tray only.
. "$(dirname "$0")/lib.sh"
setup_instance window_and_tray
start_program
window=$(probe find "$TITLE" 30)
# Minimize through the system menu: Alt+Space, then n.
click_at $(centre "$window" | awk '{print $1, $2 - 100}')
keys alt+space n
wait_for 10 bash -c "[ \"\$(wine '$PROBE' find '$TITLE' 0 2>/dev/null | tr -d '\r')\" = 'not found: window' ]" || true
check "minimized to the tray" "not found: window" "$(probe find "$TITLE" 1)"
click_at $(tray_icon_centre) 3
sleep 1
keys Down Return   # 显示界面
check "shown again" "yes" "$(probe find "$TITLE" 10 | grep -q '^0' && echo yes || echo no)"
click_control "后台运行"
check "run in background hides it" "not found: window" "$(probe find "$TITLE" 1)"
click_at $(tray_icon_centre) 3
sleep 1
keys Up Return     # 退出, the last item
wait_for 15 bash -c "! kill -0 $PROGRAM_PID 2>/dev/null" || true
check "quit ends the process" "ended" "$(kill -0 $PROGRAM_PID 2>/dev/null && echo running || echo ended)"

setup_instance started_with_windows
printf '[Mirthwell]\r\nStarUp=1\r\n' >"$SETTINGS"
start_program
wait_for 30 bash -c "wine reg query '$RUN_KEY' /v Mirthwell >/dev/null 2>&1" || true
sleep 2
check "started with Windows: no window" "not found: window" "$(probe find "$TITLE" 2)"
check "Run value written at start" "Z:${INSTANCE//\//\\}\\velmora.exe" "$(run_value)"
finish
