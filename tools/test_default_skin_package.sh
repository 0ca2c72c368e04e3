#!/bin/bash
# The packed default skin that the build made: version 70000, the definition text first,
# every file of skins/default inside it byte for byte, and a preview drawn from it.
tool="$1" package="$2" skin="$3"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
check() {  # check NAME COMMAND...
  if "${@:2}"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}
files=$(ls "$skin" | wc -l)
"$tool" list "$package" >"$work/list"
check "the package lists" test -s "$work/list"
check "version 70000 with every file of the folder" grep -qx "version 70000, $files entries" "$work/list"
check "the definition text comes first" bash -c "sed -n 2p '$work/list' | grep -q ' velmora.ini\$'"
for file in "$skin"/*; do
  name=$(basename "$file")
  "$tool" extract "$package" "$name" "$work/entry" && cmp -s "$work/entry" "$file"
  check "entry $name" test $? -eq 0
done
check "preview of the default skin" "$tool" preview "$package" "$work/preview.png"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
