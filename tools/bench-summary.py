#!/usr/bin/env python3
"""The one page of figures the project is judged by, from what `make bench` measured.

    bench-summary.py --world WORLD --bench-dir build/bench --dist DIST_DIR OUTPUT

Reads the "figure KEY VALUE UNIT" lines the Wine benchmarks write into their result files, the
host decoding benchmark's JSON, and the sizes of the deliverables in DIST_DIR. Each line of
OUTPUT gives the figure, its unit, the world it was measured in and its goal; a figure that no
benchmark wrote says so rather than being left out. Exits 1 when a measured figure misses its
goal, so a regression shows in `make bench`'s status.
"""
import argparse
import glob
import json
import os
import sys

# key, what it is, unit, goal as (comparison, bound), goal in words.
FIGURES = [
    ("decode_report_median", "decode one hot-key report (Release, host), median", "ns",
     ("<", 100), "under 100 ns"),
    ("reports_per_second", "reports per second through uvxnftr.sys to a blocking reader", "reports/s",
     (">=", 1000), "at least 1000, what a full-speed USB interrupt endpoint can send"),
    ("reports_events_lost", "events lost at that rate", "events", ("<=", 0), "none"),
    ("report_to_dispatcher_median", "report to the dispatcher in keyagent.exe, median", "ms",
     ("<", 2), "under 2 ms"),
    ("report_to_dispatcher_p99", "report to the dispatcher in keyagent.exe, p99", "ms",
     ("<", 10), "under 10 ms"),
    ("hotkey_to_popup_painted_median", "hot key to the popup painted, median", "ms",
     ("<", 100), "under 100 ms, seen as at once"),
    ("hotkey_to_popup_painted_p99", "hot key to the popup painted, p99", "ms",
     ("<", 200), "under 200 ms"),
    ("hotkey_to_browser_keystroke_median",
     "hot key to the first keystroke at the browser, beyond the agent's own 100 ms pause, median", "ms",
     ("<", 20), "under 20 ms"),
    ("hotkey_to_browser_keystroke_p99",
     "hot key to the first keystroke at the browser, beyond the agent's own 100 ms pause, p99", "ms",
     ("<", 50), "under 50 ms"),
    ("procwheel_notch_median", "one wheel notch through ProcWheel, median", "us",
     ("<", 50), "under 50 us"),
    ("procwheel_notch_worst", "one wheel notch through ProcWheel, worst", "us",
     ("<", 1000), "under 1 ms"),
    ("agent_idle_cpu_10s", "keyagent.exe CPU time while idle for 10 s", "ms",
     ("<", 100), "under 100 ms (1% of one core)"),
]

# The deliverables' size goals in KB, by kind.
SIZE_GOALS_KB = {".sys": 32, ".dll": 96, ".cpl": 96, ".exe": 128}

HOST_DECODE_BENCH = "driver_decode_bench.json"
HOST_DECODE_CASE = "BM_DecodeHotKeyLastInTable"


def wine_figures(bench_dir):
    found = {}
    for path in sorted(glob.glob(os.path.join(bench_dir, "*.txt"))):
        if os.path.basename(path) == "summary.txt":
            continue
        with open(path, encoding="utf-8", errors="replace") as text:
            for line in text:
                words = line.split()
                if len(words) == 4 and words[0] == "figure":
                    try:
                        found[words[1]] = float(words[2])
                    except ValueError:
                        pass
    return found


def host_decode_median(bench_dir):
    path = os.path.join(bench_dir, HOST_DECODE_BENCH)
    if not os.path.exists(path):
        return None
    with open(path, encoding="utf-8") as text:
        results = json.load(text).get("benchmarks", [])
    times = [r for r in results if r.get("run_name", r.get("name")) == HOST_DECODE_CASE]
    medians = [r for r in times if r.get("aggregate_name") == "median"]
    runs = medians or [r for r in times if r.get("run_type", "iteration") == "iteration"]
    if not runs:
        return None
    scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}[runs[0].get("time_unit", "ns")]
    values = sorted(r["real_time"] * scale for r in runs)
    return values[len(values) // 2]


def meets(value, goal):
    comparison, bound = goal
    return {"<": value < bound, "<=": value <= bound, ">=": value >= bound}[comparison]


def line(what, value, unit, world, goal_words, ok):
    shown = "not measured" if value is None else f"{value:.3f}".rstrip("0").rstrip(".") + f" {unit}"
    verdict = "" if value is None else ("  met" if ok else "  MISSED")
    return f"{what}: {shown}  [{world}]  goal: {goal_words}{verdict}"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--world", required=True)
    parser.add_argument("--bench-dir", required=True)
    parser.add_argument("--dist", required=True)
    parser.add_argument("output")
    args = parser.parse_args()

    figures = wine_figures(args.bench_dir)
    decode = host_decode_median(args.bench_dir)
    if decode is not None:
        figures["decode_report_median"] = decode

    lines, missed = [], 0
    for key, what, unit, goal, goal_words in FIGURES:
        value = figures.get(key)
        ok = value is not None and meets(value, goal)
        missed += value is not None and not ok
        world = "host" if key == "decode_report_median" else args.world
        lines.append(line(what, value, unit, world, goal_words, ok))
    for path in sorted(glob.glob(os.path.join(args.dist, "*"))):
        name = os.path.basename(path)
        goal_kb = SIZE_GOALS_KB.get(os.path.splitext(name)[1].lower())
        if goal_kb is None:
            continue
        kb = os.path.getsize(path) / 1024
        ok = kb <= goal_kb
        missed += not ok
        lines.append(line(f"size of {name}", kb, "KB", args.world, f"at most {goal_kb} KB", ok))

    with open(args.output, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")
    print("\n".join(lines))
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
