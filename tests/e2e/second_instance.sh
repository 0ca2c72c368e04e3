#!/bin/bash
# A second instance says so and ends, touching neither the settings nor the registry.
. "$(dirname "$0")/lib.sh"
setup_instance second_instance
printf '[Mirthwell]\r\nUserName=first\r\nStarUp=1\r\n' >"$SETTINGS"
start_program
probe find "$APP_TITLE" 1 >/dev/null || true
# Started with Windows: only the tray icon; wait for the program to be up.
wait_for 30 bash -c "[ \"\$(wine reg query '$RUN_KEY' /v Mirthwell 2>/dev/null | grep -c Mirthwell)\" = 1 ]" || true
wine reg delete "$RUN_KEY" /v Mirthwell /f >/dev/null 2>&1
before=$(md5sum <"$SETTINGS")
(cd "$INSTANCE" && exec wine "$INSTANCE/velmora.exe" >/dev/null 2>&1) &
second=$!
check "the warning" "备份程序已经运行,请检查任务通知栏或系统进程!!" "$(probe boxtext "$APP_TITLE" 20)"
keys Return
wait_for 15 bash -c "! kill -0 $second 2>/dev/null"
check "the second instance ended" "ended" "$(kill -0 $second 2>/dev/null && echo running || echo ended)"
check "settings untouched" "$before" "$(md5sum <"$SETTINGS")"
check "registry untouched" "" "$(run_value)"
check "no second window" "not found: window" "$(probe find "$TITLE" 1)"
finish
