#!/usr/bin/env python3
"""Adds up the JUnit reports that ctest wrote for each tree and prints one closing line,
'tests: N passed, N failed (host N, fuzz N, win32 N, win64 N; ...)', so the whole run reads as
one result and shows which Windows worlds ran. The numbers are ctest entries; where a tree's
GoogleTest programs left their own reports (gtest/ beside the tree's report), the cases they
ran are counted too. A GoogleTest case that recorded a property named "summary" (what a run
covered, say) has it printed above that line, with its tree's name.

    test-summary.py NAME=report.xml ... [--not-run NAME ...]
"""
import glob
import os
import sys
import xml.etree.ElementTree as ET


def count(path):
    root = ET.parse(path).getroot()
    passed = failed = skipped = 0
    for case in root.iter("testcase"):
        if case.find("failure") is not None or case.find("error") is not None:
            failed += 1
        elif case.find("skipped") is not None:
            skipped += 1
        else:
            passed += 1
    return passed, failed, skipped


def gtest_cases(report):
    """The GoogleTest cases run in the tree of `report`, or None when none left a report."""
    paths = glob.glob(os.path.join(os.path.dirname(report), "gtest", "*.xml"))
    if not paths:
        return None
    return sum(sum(1 for c in ET.parse(p).getroot().iter("testcase") if c.get("result", "completed") == "completed")
               for p in paths)


def gtest_summaries(report):
    """The "summary" properties the GoogleTest cases of `report`'s tree recorded, in file order."""
    lines = []
    for path in sorted(glob.glob(os.path.join(os.path.dirname(report), "gtest", "*.xml"))):
        for case in ET.parse(path).getroot().iter("testcase"):
            lines += [p.get("value") for p in case.iter("property") if p.get("name") == "summary"]
    return lines


def main(argv):
    totals = [0, 0, 0]
    parts = []
    not_run = []
    args = argv[1:]
    while args:
        arg = args.pop(0)
        if arg == "--not-run" and args:
            not_run.append(args.pop(0))
            continue
        name, sep, path = arg.partition("=")
        if not sep:
            print("test-summary: %s is not NAME=report.xml" % arg, file=sys.stderr)
            return 2
        try:
            numbers = count(path)
            cases = gtest_cases(path)
            summaries = gtest_summaries(path)
        except (OSError, ET.ParseError) as e:
            print("test-summary: can't read %s: %s" % (path, e), file=sys.stderr)
            return 1
        for summary in summaries:
            print("%s: %s" % (name, summary))
        totals = [t + n for t, n in zip(totals, numbers)]
        part = "%s %d" % (name, sum(numbers))
        if cases is not None:
            part += " [%d cases]" % cases
        parts.append(part)
    passed, failed, skipped = totals
    line = "tests: %d passed, %d failed" % (passed, failed)
    if skipped:
        line += ", %d skipped" % skipped
    detail = ", ".join(parts)
    if not_run:
        detail += "; not run: " + ", ".join(not_run)
    print("%s (%s)" % (line, detail))
    return 1 if failed or passed == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
