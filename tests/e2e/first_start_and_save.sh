#!/bin/bash
# First start without a settings file: defaults shown, no file made. Edit, type, save:
# "保存成功!", the file holds the six keys, the Run value follows the check box.
. "$(dirname "$0")/lib.sh"
setup_instance first_start
start_program
window=$(probe find "$TITLE" 30)
check "the window appears" "yes" "$([[ $window == not* ]] && echo no || echo yes)"
check "user name default" "UserName" "$(field_text TEdit 0)"
check "password default, shown" "PassWord" "$(field_text TEdit 1)"
check "service default" "DataBase" "$(field_text TEdit 2)"
check "folder default" "Z:${INSTANCE//\//\\}\\" "$(field_text TEdit 3)"
check "time default" "12:00:00" "$(field_text TMaskEdit 0)"
check "view mode: fields disabled" "0" "$(probe state "$TITLE" TEdit 0 | awk '{print $1}')"
check "no settings file at start" "absent" "$([ -e "$SETTINGS" ] && echo present || echo absent)"

click_control "修改设置"
check "edit mode: caption" "保存设置" "$(probe text "$TITLE" TButton 1)"
check "edit mode: fields enabled" "1" "$(probe state "$TITLE" TEdit 0 | awk '{print $1}')"

replace_field() {  # replace_field N TEXT
  click_nth TEdit "$1"
  keys End
  xdotool key --repeat 40 --delay 20 BackSpace
  type_text "$2"
}
replace_field 0 scott
replace_field 1 tiger
replace_field 2 orcl
click_nth TCheckBox 0
check "check box ticked" "1" "$(probe state "$TITLE" TCheckBox 0 | awk '{print $4}')"

click_control "保存设置"
check "saved message" "保存成功!" "$(probe boxtext "$APP_TITLE" 10)"
keys Return
probe gone "$APP_TITLE" 5 >/dev/null || true
check "view mode again" "修改设置" "$(probe text "$TITLE" TButton 1)"

settings=$(iconv -f GBK -t UTF-8 "$SETTINGS" 2>/dev/null | tr -d '\r' || true)
expected="[Mirthwell]
UserName=scott
PassWord=tiger
DataBase=orcl
DataPath=Z:${INSTANCE//\//\\}\\
ExpTime=12:00:00
StarUp=1"
check "settings file holds the six keys" "$expected" "$settings"
check "Run value names the program" "Z:${INSTANCE//\//\\}\\velmora.exe" "$(run_value)"

# Off again: the value goes.
click_control "修改设置"
click_nth TCheckBox 0
click_control "保存设置"
probe boxtext "$APP_TITLE" 10 >/dev/null
keys Return
check "Run value removed" "" "$(run_value)"
check "StarUp=0 saved" "StarUp=0" "$(tr -d '\r' <"$SETTINGS" | grep StarUp)"
finish
