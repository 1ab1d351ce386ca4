#!/bin/sh
# expect_refusal.sh FILE AS_NAME REASON: copies FILE to AS_NAME, checks it, and passes only when
# the check refuses it, exit code 1, for the given reason.
here=$(dirname "$0")
cp "$1" "$2" || exit 2
output=$(python3 "$here/check_pe.py" "$2")
rc=$?
echo "$output"
[ "$rc" -eq 1 ] || { echo "expected exit 1, got $rc"; exit 1; }
echo "$output" | grep -qF "$3" || { echo "expected the reason: $3"; exit 1; }
