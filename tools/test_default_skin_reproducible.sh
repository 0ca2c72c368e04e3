#!/bin/bash
# The committed default skin (skins/default) and the program's bitmaps in resources/
# are byte for byte what make-default-skin draws, and the skin folder holds nothing else.
generator="$1" repo="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
fail() { failed=$((failed + 1)); echo "FAILED: $1"; }

"$generator" "$work/skin" "$work/resources" || { echo "FAILED: the generator"; echo "0 passed, 1 failed"; exit 1; }
"$generator" "$work/again/skin" "$work/again/resources" >/dev/null
if diff -r "$work/skin" "$work/again/skin" >/dev/null && diff -r "$work/resources" "$work/again/resources" >/dev/null; then
  passed=$((passed + 1))
else
  fail "two runs of the generator differ"
fi
for file in "$work"/skin/*; do
  name=$(basename "$file")
  if cmp -s "$file" "$repo/skins/default/$name"; then passed=$((passed + 1)); else fail "skins/default/$name differs from the generator's"; fi
done
for file in "$repo"/skins/default/*; do
  name=$(basename "$file")
  [ -e "$work/skin/$name" ] || fail "skins/default/$name is not drawn by the generator"
done
for name in glazemenu.bmp track.bmp trackvert.bmp; do
  if cmp -s "$work/resources/$name" "$repo/resources/$name"; then passed=$((passed + 1)); else fail "resources/$name differs from the generator's"; fi
done
[ "$(ls "$work/resources" | wc -l)" -eq 3 ] || fail "the generator writes other resources than the three bitmaps"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
