#!/bin/bash
# The folder chooser: a backup folder that does not exist is emptied before the chooser
# opens, and after a cancelled chooser the field shows the folder in use again (a path
# typed by hand is gone). The chooser wears the skin's frame and closes with Escape.
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
# It wears the skin's frame: its top corners are cut away.
if [[ $chooser != not* ]]; then
  read -r _ cx cy cw _ <<<"$chooser"
  sleep 1
  import -window root "$INSTANCE/chooser.png" 2>/dev/null
  px() { convert "$INSTANCE/chooser.png" -format "%[hex:p{$1,$2}]" info: 2>/dev/null | cut -c1-6; }
  check "the chooser's corner cut away" "$(px $((cx + cw + 1)) "$cy")" "$(px $((cx + cw - 1)) "$cy")"
fi
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
