#!/bin/bash
# The committed skins (skins/default, skins/sage) and the program's bitmaps in resources/
# are byte for byte what make-default-skin draws, and the skin folders hold nothing else.
generator="$1" repo="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
fail() { failed=$((failed + 1)); echo "FAILED: $1"; }

"$generator" "$work/skin" "$work/resources" "$work/sage" || { echo "FAILED: the generator"; echo "0 passed, 1 failed"; exit 1; }
"$generator" "$work/again/skin" "$work/again/resources" "$work/again/sage" >/dev/null
if diff -r "$work/skin" "$work/again/skin" >/dev/null && diff -r "$work/resources" "$work/again/resources" >/dev/null &&
   diff -r "$work/sage" "$work/again/sage" >/dev/null; then
  passed=$((passed + 1))
else
  fail "two runs of the generator differ"
fi
for pair in skin:default sage:sage; do
  drawn="$work/${pair%%:*}" committed="$repo/skins/${pair##*:}"
  for file in "$drawn"/*; do
    name=$(basename "$file")
    if cmp -s "$file" "$committed/$name"; then passed=$((passed + 1)); else fail "skins/${pair##*:}/$name differs from the generator's"; fi
  done
  for file in "$committed"/*; do
    name=$(basename "$file")
    [ -e "$drawn/$name" ] || fail "skins/${pair##*:}/$name is not drawn by the generator"
  done
done
for name in glazemenu.bmp track.bmp trackvert.bmp; do
  if cmp -s "$work/resources/$name" "$repo/resources/$name"; then passed=$((passed + 1)); else fail "resources/$name differs from the generator's"; fi
done
for file in "$work/resources/media"/*; do
  name=media/$(basename "$file")
  if cmp -s "$file" "$repo/resources/$name"; then passed=$((passed + 1)); else fail "resources/$name differs from the generator's"; fi
done
[ "$(ls "$work/resources/media" | wc -l)" -eq 27 ] || fail "the media player has 27 button glyphs"
[ "$(ls "$work/resources" | wc -l)" -eq 4 ] || fail "the generator writes other resources than the three bitmaps and the media glyphs"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
