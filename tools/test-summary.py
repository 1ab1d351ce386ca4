#!/usr/bin/env python3
"""Adds up the JUnit reports that ctest wrote for each tree and prints one closing line,
'tests: N passed, N failed', so the whole run reads as one result."""
import sys
import xml.etree.ElementTree as ET

passed = failed = skipped = 0
for path in sys.argv[1:]:
    try:
        root = ET.parse(path).getroot()
    except (OSError, ET.ParseError) as e:
        print("test-summary: can't read %s: %s" % (path, e), file=sys.stderr)
        sys.exit(1)
    for case in root.iter("testcase"):
        if case.find("failure") is not None or case.find("error") is not None:
            failed += 1
        elif case.find("skipped") is not None:
            skipped += 1
        else:
            passed += 1
line = "tests: %d passed, %d failed" % (passed, failed)
if skipped:
    line += ", %d skipped" % skipped
print(line)
sys.exit(1 if failed or passed == 0 else 0)
