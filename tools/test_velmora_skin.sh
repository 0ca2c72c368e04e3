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
refuses() {  # refuses NAME EXPECTED-MESSAGE-PART COMMAND...: non-zero exit and the message on stderr
  if ! "${@:3}" 2>"$work/err" >/dev/null && grep -q "$2" "$work/err"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1)); echo "FAILED: $1"; cat "$work/err"
  fi
}
mkdir "$work/skin"
printf '[Form]\r\nBorder=border.bmp\r\n' >"$work/skin/Skin.ini"
printf 'BM-one' >"$work/skin/border.bmp"
printf 'BM-two' >"$work/skin/Button.BMP"
: >"$work/skin/empty.bmp"
printf 'notes' >"$work/skin/README.txt"
check "build" "$tool" build "$work/skin" "$work/skin.pkg" --version 20000
check "build of the newest version by default" "$tool" build "$work/skin" "$work/skin70.pkg"
check "list shows the entries" bash -c "'$tool' list '$work/skin.pkg' | grep -q 'version 20000, 4 entries'"
check "list shows names lower-cased, definition first" \
  bash -c "'$tool' list '$work/skin70.pkg' | sed -n 2p | grep -q ' skin.ini$'"
check "extract by any case" "$tool" extract "$work/skin.pkg" BUTTON.bmp "$work/out.bmp"
check "extracted bytes" cmp -s "$work/out.bmp" "$work/skin/Button.BMP"
check "extract an empty entry" "$tool" extract "$work/skin.pkg" empty.bmp "$work/empty.out"
check "empty entry is empty" test ! -s "$work/empty.out"
head -c 50000 /dev/urandom >"$work/raw"
check "pack" "$tool" pack "$work/raw" "$work/raw.lzh"
check "unpack" "$tool" unpack "$work/raw.lzh" "$work/raw.back"
check "round trip" cmp -s "$work/raw" "$work/raw.back"
: >"$work/nothing"
check "pack of nothing" "$tool" pack "$work/nothing" "$work/nothing.lzh"
check "unpack of nothing" "$tool" unpack "$work/nothing.lzh" "$work/nothing.back"
check "nothing round trip" cmp -s "$work/nothing" "$work/nothing.back"

printf 'xy' >"$work/short"
refuses "short stream" "too short" "$tool" unpack "$work/short" "$work/x"
printf '\xff\xff\xff\xff' >"$work/huge"
refuses "huge size" "beyond what is expanded" "$tool" unpack "$work/huge" "$work/x"
refuses "huge size as a package" "beyond what is expanded" "$tool" list "$work/huge"
# A package cut short expands to garbage: listed or refused, but never a crash.
for length in 5 8 20 40 80; do
  head -c $length "$work/skin70.pkg" >"$work/cut.pkg"
  "$tool" list "$work/cut.pkg" >/dev/null 2>&1
  check "package cut to $length bytes" test $? -le 1
done
refuses "not a package" "not a loadable skin package" "$tool" list "$work/raw.lzh"
refuses "missing package" "cannot read" "$tool" list "$work/no-such-file"
refuses "missing entry" "no entry named" "$tool" extract "$work/skin.pkg" nothing.bmp "$work/x"
refuses "unknown version" "bad version" "$tool" build "$work/skin" "$work/y" --version 12345
refuses "version that is no number" "bad version" "$tool" build "$work/skin" "$work/y" --version 7e4
mkdir "$work/two"
: >"$work/two/a.ini"; : >"$work/two/b.ini"
refuses "two definition texts" "exactly one .ini" "$tool" build "$work/two" "$work/y"
mkdir "$work/cases"
: >"$work/cases/a.ini"; : >"$work/cases/x.bmp"; : >"$work/cases/X.bmp"
refuses "names equal apart from case" "apart from case" "$tool" build "$work/cases" "$work/y"
refuses "missing folder" "cannot read folder" "$tool" build "$work/no-such-folder" "$work/y"
# preview: a PNG sheet of a package's elements.
mkdir "$work/real"
# A 24-bit BMP of 4 x 2 pixels: 54 header bytes, two rows of 12 bytes.
bmp() { printf 'BM\x6e\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x04\0\0\0\x02\0\0\0\x01\0\x18\0\0\0\0\0\x18\0\0\0\x13\x0b\0\0\x13\x0b\0\0\0\0\0\0\0\0\0\0'; head -c 24 /dev/zero | tr '\0' '\377'; }
bmp >"$work/real/strip.bmp"
printf '[TitlebarSkin]\r\nSkinName=Test\r\n[Colours]\r\nButtonFace=200 200 200\r\n[Scrollbar]\r\nImage=strip.bmp\r\n[MenuItem]\r\nImage=gone.bmp\r\n' >"$work/real/skin.ini"
check "build a previewable package" "$tool" build "$work/real" "$work/real.pkg"
check "preview" "$tool" preview "$work/real.pkg" "$work/real.png"
check "preview is a PNG" bash -c "head -c 8 '$work/real.png' | od -An -tx1 | tr -d ' \n' | grep -qx '89504e470d0a1a0a'"
width=$(od -An -tu1 -j16 -N4 "$work/real.png" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
height=$(od -An -tu1 -j20 -N4 "$work/real.png" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
check "preview width read back" test "$width" -eq 1200
check "preview height read back" test "$height" -gt 300 -a "$height" -lt 20000
check "the tool reports the size it wrote" bash -c "'$tool' preview '$work/real.pkg' '$work/again.png' | grep -q ' 1200 x $height\$'"
if command -v identify >/dev/null 2>&1 && identify -version 2>/dev/null | grep -q ImageMagick; then
  # An independent decoder reads the whole image.
  check "ImageMagick decodes the preview" bash -c "identify -format '%w %h' '$work/real.png' | grep -qx '1200 $height'"
  # The signature is a hash over every pixel: the whole image must decode, quietly.
  check "ImageMagick decodes every pixel" bash -c "identify -format '%#' '$work/real.png' 2>'$work/id.err' | grep -qE '^[0-9a-f]{64}\$' && test ! -s '$work/id.err'"
fi
refuses "preview of no package" "not a loadable skin package" "$tool" preview "$work/raw.lzh" "$work/bad.png"
refuses "preview of a missing file" "cannot read" "$tool" preview "$work/no-such-file" "$work/bad.png"
# A version 70000 package whose only entry is a bitmap: header, 69 skipped bytes,
# directory, size table, data.
{ printf '\x70\x11\x01\0\x07\0\0\0\0\0\0\0\0\0\0\0'; head -c 69 /dev/zero; printf 'a.bmp\r\n\x02\0\0\0BM'; } >"$work/noini.raw"
check "pack a package without definition text" "$tool" pack "$work/noini.raw" "$work/noini.pkg"
check "it lists" bash -c "'$tool' list '$work/noini.pkg' | grep -q 'version 70000, 1 entries'"
refuses "preview of a package without definition text" "no definition text" "$tool" preview "$work/noini.pkg" "$work/bad.png"
check "a refused preview writes no file" test ! -e "$work/bad.png"
refuses "preview into a folder that does not exist" "cannot write" "$tool" preview "$work/real.pkg" "$work/no/such/dir/x.png"
refuses "usage" "usage" "$tool" frobnicate
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
