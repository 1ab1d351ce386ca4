#!/usr/bin/env python3
"""`make lint`: the clang static analyzer and the clang-tidy checks of clang-tidy.yaml over every
source file of every tree, each file as its tree compiles it (the tree's compile_commands.json).

    lint.py [--jobs N] [--only PART]... TREE...

The analyzer follows every path of the code that ships and of the tools in its deep mode; in
the tests and their fixtures in its shallow mode: a test's long straight run of assertions,
each of them a branch, takes the deep mode half a minute a file, ten times the shallow one.

A native tree (host, fuzz) is analysed as it builds; a file an earlier native tree analysed is
not analysed again. A Windows tree (mingw-w64 g++) is analysed through clang's own target for
that world, over the same headers: clang finds the mingw-w64 headers itself, and is given the
C++ library headers g++ uses. Prints each finding once, with the file and line and the check's
name, and exits 1 when there is one (or when clang-tidy could not analyse a file at all).
"""
import argparse
import concurrent.futures
import json
import os
import re
import shlex
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.path.join(ROOT, "build") + os.sep
CONFIG = os.path.join(ROOT, "tools", "lint", "clang-tidy.yaml")
SOURCES = (".c", ".cc", ".cpp")
TEST_CODE = ("/tests/", "/tools/fixtures/", "/tools/winetest/")
DIAGNOSTIC = re.compile(r"^(?P<path>/[^:]+):(?P<line>\d+):(?P<col>\d+): (?P<kind>warning|error): (?P<text>.*)$")


def ours(path):
    return path.startswith(ROOT + os.sep) and not path.startswith(BUILD)


def tree_files(tree):
    """{source path: its compile command as an argument list} for the sources of ours the tree
    compiles."""
    with open(os.path.join(tree, "compile_commands.json")) as f:
        commands = json.load(f)
    files = {}
    for entry in commands:
        path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
        if ours(path) and path.endswith(SOURCES):
            arguments = entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])
            files.setdefault(path, {"directory": entry["directory"], "file": path,
                                    "arguments": headers_as_text(arguments)})
    return files


def headers_as_text(arguments):
    """The command with each forced include handed to the compiler proper: clang's driver would
    take the g++ precompiled header beside it (cmake_pch.hxx.gch) for one of its own and stop on
    it, while the header's text is what the file was compiled with."""
    rewritten = []
    arguments = iter(arguments)
    for argument in arguments:
        if argument == "-include":
            rewritten += ["-Xclang", "-include", "-Xclang", next(arguments)]
        else:
            rewritten.append(argument)
    return rewritten


def write_database(files, folder):
    """The tree's commands, as rewritten, where clang-tidy's -p looks for them."""
    os.mkdir(folder)
    with open(os.path.join(folder, "compile_commands.json"), "w") as f:
        json.dump(list(files.values()), f)
    return folder


def compiler(entry):
    return entry["arguments"][0]


def world_arguments(command):
    """clang's target and g++'s C++ library headers for a mingw-w64 compiler; None for a native one."""
    match = re.match(r"(\w+-w64-mingw32)-", os.path.basename(command))
    if not match:
        return None
    listing = subprocess.run([command, "-E", "-x", "c++", "-", "-v"], input="", capture_output=True, text=True).stderr
    searched = listing.split("#include <...> search starts here:")[-1].split("End of search list.")[0]
    headers = [os.path.normpath(d.strip()) for d in searched.splitlines() if "/include/c++" in d]
    return ["--target=" + match.group(1)] + ["-isystem" + d for d in headers]


def analyse(database, path, extra):
    """(path, findings as (file, line, column, text, shown lines), a failure text or None, seconds)"""
    started = time.time()
    if any(part in path for part in TEST_CODE):
        extra = extra + ["-Xclang", "-analyzer-config", "-Xclang", "mode=shallow"]
    argv = ["clang-tidy", "-p", database, "--config-file=" + CONFIG, "--quiet",
            "--header-filter=^" + re.escape(ROOT + os.sep)] + ["--extra-arg=" + a for a in extra] + [path]
    run = subprocess.run(argv, capture_output=True, text=True)
    lines = (run.stdout + run.stderr).splitlines()
    findings = []
    for i, line in enumerate(lines):
        match = DIAGNOSTIC.match(line)
        if match and ours(match.group("path")):
            shown = tuple(lines[i + 1:i + 3])
            findings.append((match.group("path"), int(match.group("line")), int(match.group("col")),
                             match.group("kind") + ": " + match.group("text"), shown))
    failure = None
    if run.returncode != 0 and not findings:
        failure = "clang-tidy could not analyse it:\n" + "\n".join(lines[-15:])
    return path, findings, failure, time.time() - started


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    parser.add_argument("--slowest", type=int, default=0, help="name the N files that took longest")
    parser.add_argument("--only", action="append", default=[], metavar="PART",
                        help="only the files whose path from the top holds PART (repeatable)")
    parser.add_argument("trees", nargs="+")
    args = parser.parse_args(argv[1:])
    args.only = args.only or [""]

    started = time.time()
    work = []
    counts = []
    done = set()
    databases = tempfile.TemporaryDirectory(prefix="lint-")
    for number, tree in enumerate(args.trees):
        files = tree_files(tree)
        extra = world_arguments(compiler(next(iter(files.values())))) if files else None
        world = extra[0] if extra else "native"
        chosen = [p for p in sorted(files)
                  if (world, p) not in done and any(part in os.path.relpath(p, ROOT) for part in args.only)]
        done.update((world, p) for p in chosen)
        database = write_database(files, os.path.join(databases.name, str(number)))
        work += [(database, p, extra or []) for p in chosen]
        counts.append("%s %d" % (os.path.basename(os.path.normpath(tree)), len(chosen)))

    findings = {}
    failures = []
    seconds = []
    with databases, concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
        for path, found, failure, took in pool.map(lambda w: analyse(*w), work):
            seconds.append((took, path))
            for finding in found:
                findings.setdefault(finding[:4], finding[4])
            if failure:
                failures.append((path, failure))

    for (path, line, column, text), shown in sorted(findings.items()):
        print("%s:%d:%d: %s" % (os.path.relpath(path, ROOT), line, column, text))
        for extra_line in shown:
            print("    " + extra_line)
    for path, failure in failures:
        print("%s: %s" % (os.path.relpath(path, ROOT), failure))
    for took, path in sorted(seconds, reverse=True)[:args.slowest]:
        print("  %5.1f s  %s" % (took, os.path.relpath(path, ROOT)))
    print("lint: %d files (%s), %d findings%s, %.0f s" % (
        len(work), ", ".join(counts), len(findings),
        ", %d files not analysed" % len(failures) if failures else "", time.time() - started))
    return 1 if findings or failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
