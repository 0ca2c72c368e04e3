#!/bin/bash
# The folder chooser: a backup folder that does not exist is emptied before the chooser
# opens, and after a cancelled chooser the field shows the folder in use again (a path
# typed by hand is gone).
. "$(dirname "$0")/lib.sh"
setup_instance folder_chooser
printf '[Mirthwell]\r\nDataPath=C:\\no\\such\\folder\r\n' >"$SETTINGS"
start_program
probe find "$TITLE" 30 >/dev/null
check "the stored folder shown" 'C:\no\such\folder' "$(field_text TEdit 3)"
click_control "修改设置"
click_control "."
chooser=$(probe find "选择文件夹" 10)
check "the chooser opens" "yes" "$([[ $chooser == not* ]] && echo no || echo yes)"
keys Escape
probe gone "选择文件夹" 5 >/dev/null || true
check "missing folder emptied" "" "$(field_text TEdit 3)"
click_nth TEdit 3
type_text 'D:\typed'
click_control "."
probe find "选择文件夹" 10 >/dev/null
keys Escape
probe gone "选择文件夹" 5 >/dev/null || true
check "typed path lost on cancel" "" "$(field_text TEdit 3)"
finish
