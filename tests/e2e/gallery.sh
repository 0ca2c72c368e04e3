#!/bin/bash
# The gallery: every control kind on one window, the message box and the MDI window it
# opens, and a skin package named on the command line.
. "$(dirname "$0")/lib.sh"
setup_instance gallery
cp "$BUILD/velmora-gallery.exe" "$INSTANCE/"
GALLERY="Velmora gallery - 控件一览"
start_gallery() {
  (cd "$INSTANCE" && exec wine "$INSTANCE/velmora-gallery.exe" "$@" >"$INSTANCE/wine.log" 2>&1) &
  PROGRAM_PID=$!
}

start_gallery
check "the gallery window" "found" "$(probe find "$GALLERY" 30 >/dev/null && echo found || echo missing)"
missing=""
for class in TButton TBitBtn TCheckBox TRadioButton TGroupBox TPanel TEdit TMaskEdit TMemo TListBox TComboBox \
             TUpDown TDateTimePicker TPageControl TTabSheet TListView TTreeView TStatusBar TProgressBar TTrackBar; do
  [[ "$(probe nth "$GALLERY" "$class" 0)" == not* ]] && missing="$missing $class"
done
check "a control of every kind" "" "$missing"
check "three combo boxes" "found" "$([[ "$(probe nth "$GALLERY" TComboBox 2)" == not* ]] && echo missing || echo found)"

click_at $(centre "$(probe control "$GALLERY" "Message box")")
check "the message box" "这是一个消息框。" "$(probe boxtext "Velmora gallery" 10 | head -1)"
keys Return
click_at $(centre "$(probe control "$GALLERY" "MDI window")")
check "the MDI window" "found" "$(probe find "MDI parent" 10 >/dev/null && echo found || echo missing)"
stop_program

# Another package named on the command line; a file that is no package says so.
WIN_SKIN="Z:${VELMORA_ROOT//\//\\}\\build\\skins\\default.vskin"
start_gallery --skin "$WIN_SKIN"
check "the gallery with a skin file" "found" "$(probe find "$GALLERY" 30 >/dev/null && echo found || echo missing)"
stop_program
start_gallery --skin "Z:\\no\\such.vskin"
check "a missing skin file is reported" "Cannot load the skin package Z:\\no\\such.vskin" \
  "$(probe boxtext "Velmora gallery" 20)"
keys Return
wait_for 15 bash -c "! kill -0 $PROGRAM_PID 2>/dev/null" || true
wait "$PROGRAM_PID" 2>/dev/null && status=0 || status=$?
check "and the gallery ends with status 1" "1" "$status"
finish
