#!/bin/bash
# The time field: letters refused, "_" in empty positions, leaving an incomplete field
# refused with the error, Esc gives the old text back.
. "$(dirname "$0")/lib.sh"
setup_instance time_field
start_program
probe find "$TITLE" 30 >/dev/null
click_control "修改设置"
click_nth TMaskEdit 0
keys Home shift+End Delete
check "emptied field shows gaps" "__:__:__" "$(field_text TMaskEdit 0)"
type_text "1a2"
check "letters refused, gaps shown" "12:__:__" "$(field_text TMaskEdit 0)"
click_nth TEdit 0
check "error on leaving" "Invalid input value.  Use escape key to abandon changes." "$(probe boxtext "$APP_TITLE" 10)"
keys Return
probe gone "$APP_TITLE" 5 >/dev/null || true
check "focus stays in the field" "1" "$(probe state "$TITLE" TMaskEdit 0 | awk '{print $3}')"
keys Escape
check "Esc restores the text from before" "12:00:00" "$(field_text TMaskEdit 0)"
click_nth TEdit 0
check "and the field can be left" "1" "$(probe state "$TITLE" TEdit 0 | awk '{print $3}')"
finish
