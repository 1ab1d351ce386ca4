#!/bin/sh
# expect_refusal.sh MACHINE FILE AS_NAME REASON [OFFSET]: copies FILE to AS_NAME (changing the
# byte at OFFSET when one is given), checks it as an image of MACHINE, and passes only when the
# check refuses it, exit code 1, for the given reason.
here=$(dirname "$0")
machine=$1
shift
cp "$1" "$2" || exit 2
if [ -n "$4" ]; then
  printf '\377' | dd of="$2" bs=1 seek="$4" conv=notrunc 2>/dev/null || exit 2
fi
output=$(python3 "$here/check_pe.py" --machine "$machine" "$2")
rc=$?
echo "$output"
[ "$rc" -eq 1 ] || { echo "expected exit 1, got $rc"; exit 1; }
echo "$output" | grep -qF "$3" || { echo "expected the reason: $3"; exit 1; }
