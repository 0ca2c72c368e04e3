#!/bin/bash
# The skin tool on good and bad input: build, list, extract, pack/unpack round trip,
# and clear refusals with a non-zero exit.
tool="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
check() {  # check NAME COMMAND...
  if "${@:2}"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}
mkdir "$work/skin"
printf '[Form]\r\nBorder=border.bmp\r\n' >"$work/skin/Skin.ini"
printf 'BM-one' >"$work/skin/border.bmp"
printf 'BM-two' >"$work/skin/button.bmp"
check "build" "$tool" build "$work/skin" "$work/skin.pkg" --version 20000
check "list shows the entries" bash -c "'$tool' list '$work/skin.pkg' | grep -q 'version 20000, 3 entries'"
check "extract by any case" "$tool" extract "$work/skin.pkg" BUTTON.BMP "$work/out.bmp"
check "extracted bytes" cmp -s "$work/out.bmp" "$work/skin/button.bmp"
head -c 50000 /dev/urandom >"$work/raw"
check "pack" "$tool" pack "$work/raw" "$work/raw.lzh"
check "unpack" "$tool" unpack "$work/raw.lzh" "$work/raw.back"
check "round trip" cmp -s "$work/raw" "$work/raw.back"
printf 'xy' >"$work/short"
check "short stream refused" bash -c "! '$tool' unpack '$work/short' '$work/x' 2>/dev/null"
printf '\xff\xff\xff\xff' >"$work/huge"
check "huge size refused" bash -c "! '$tool' unpack '$work/huge' '$work/x' 2>/dev/null"
check "not a package" bash -c "! '$tool' list '$work/raw.lzh' 2>/dev/null"
check "missing entry" bash -c "! '$tool' extract '$work/skin.pkg' nothing.bmp '$work/x' 2>/dev/null"
check "unknown version" bash -c "! '$tool' build '$work/skin' '$work/y' --version 12345 2>/dev/null"
check "usage" bash -c "! '$tool' frobnicate 2>/dev/null"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
