#!/usr/bin/env python3
"""The one page of figures the project is judged by, from what `make bench` measured.

    bench-summary.py --world WORLD --bench-dir build/bench --dist DIST_DIR OUTPUT

Reads the "figure KEY VALUE UNIT" and "floor KEY VALUE UNIT" lines the Wine benchmarks write into
their result files, the host decoding benchmark's JSON, and the sizes of the deliverables in
DIST_DIR. Under Wine on a shared machine an absolute time says little, so a figure whose work
the platform alone has a cost for is set against that floor, measured in the same run: each
such line gives the figure, its floor, their ratio and the goal as a ratio. Sizes, the agent's
idle CPU time and the host's decoding time keep absolute goals. A figure that no benchmark wrote
says so rather than being left out.

A missed goal is reported, not an error: the exit status is 1 only when a figure is missing (a
benchmark did not run to its end), an event was lost or a count of the soak grew.
"""
import argparse
import glob
import json
import os
import sys

# Figures set against their floor: key, what it is, what its floor is, goal as (comparison,
# ratio of figure to floor) or None where none is set. For a rate the ratio is the share of the
# floor's rate reached; for a time, how many times the floor's time it takes.
AGAINST_FLOOR = [
    ("reports_per_second", "reports per second through uvxnftr.sys to a blocking reader",
     "reads per second of the instant-read driver, same reader, batch for batch", (">=", 0.9)),
    ("procwheel_notch_median", "one wheel notch through ProcWheel, median",
     "the Win32 calls of that notch made alone, median", ("<=", 1.5)),
    ("procwheel_notch_p99", "one wheel notch through ProcWheel, p99",
     "the Win32 calls of that notch made alone, p99", ("<=", 2.0)),
    ("report_to_dispatcher_median", "report to the dispatcher in keyagent.exe, median",
     "one read of the instant-read driver, median", None),
    ("report_to_dispatcher_p99", "report to the dispatcher in keyagent.exe, p99",
     "one read of the instant-read driver, p99", None),
    ("hotkey_to_popup_painted_median", "hot key to the popup painted, median",
     "one read of the instant-read driver, median", None),
    ("hotkey_to_popup_painted_p99", "hot key to the popup painted, p99",
     "one read of the instant-read driver, p99", None),
    ("hotkey_to_browser_keystroke_median",
     "hot key to the first keystroke at the browser, beyond the agent's own 100 ms pause, median",
     "one read of the instant-read driver, median", None),
    ("hotkey_to_browser_keystroke_p99",
     "hot key to the first keystroke at the browser, beyond the agent's own 100 ms pause, p99",
     "one read of the instant-read driver, p99", None),
]

# Figures with goals of their own: key, what it is, unit, goal as (comparison, bound), goal in
# words.
ABSOLUTE = [
    ("decode_report_median", "decode one hot-key report (Release, host), median", "ns",
     ("<", 100), "under 100 ns"),
    ("agent_idle_cpu_10s", "keyagent.exe CPU time while idle for 10 s", "ms",
     ("<", 100), "under 100 ms (1% of one core)"),
]

# Events lost: any one fails `make bench`. Key, what it counts.
EVENTS_LOST = [
    ("reports_events_lost", "events lost at that rate, below the queue's bound"),
    ("wheel_notches_lost", "wheel notches whose scroll messages never came"),
    ("soak_events_lost_unaccounted", "hot-key events the soak lost outside its bursts above the bound"),
]

# What grew over the soak: any count above zero fails `make bench`, as a lost event does. Key,
# what it counts.
GROWN = [
    ("soak_lives_that_leaked",
     "agent lives of the soak whose handles, memory, GDI or USER objects or windows grew"),
    ("soak_host_counts_grown",
     "the soak's panel host: its handles, memory, GDI and USER objects and windows that grew"),
]

# The soak's objects at its start and at its end (figures KEY_start and KEY_end), side by side.
BEFORE_AFTER = [
    ("soak_agent_handles", "keyagent.exe handles, first life"),
    ("soak_agent_memory", "keyagent.exe private bytes, first life"),
    ("soak_agent_gdi", "keyagent.exe GDI objects, first life"),
    ("soak_agent_user", "keyagent.exe USER objects, first life"),
    ("soak_host_handles", "panel host handles, after its first round and at the end"),
    ("soak_host_memory", "panel host private bytes, after its first round and at the end"),
    ("soak_host_gdi", "panel host GDI objects, after its first round and at the end"),
    ("soak_host_user", "panel host USER objects, after its first round and at the end"),
]

# The deliverables' size goals in KB, by kind. The setup carries all of them: its goal is to be
# no larger than what it carries.
SIZE_GOALS_KB = {".sys": 32, ".dll": 96, ".cpl": 96, ".exe": 128}
SETUP_NAME = "skyrel-setup.exe"

HOST_DECODE_BENCH = "driver_decode_bench.json"
HOST_DECODE_CASE = "BM_DecodeHotKeyLastInTable"

COMPARE = {"<": lambda a, b: a < b, "<=": lambda a, b: a <= b, ">=": lambda a, b: a >= b}


def wine_results(bench_dir):
    """The figures and the floors the benchmarks wrote, each as {key: (value, unit)}."""
    found = {"figure": {}, "floor": {}}
    for path in sorted(glob.glob(os.path.join(bench_dir, "*.txt"))):
        if os.path.basename(path) == "summary.txt":
            continue
        with open(path, encoding="utf-8", errors="replace") as text:
            for line in text:
                words = line.split()
                if len(words) == 4 and words[0] in found:
                    try:
                        found[words[0]][words[1]] = (float(words[2]), words[3])
                    except ValueError:
                        pass
    return found["figure"], found["floor"]


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


def number(value, unit):
    shown = f"{value:.0f}" if abs(value) >= 100 else f"{value:.3g}"
    return f"{shown} {unit}"


def floor_line(what, figure, floor, floor_what, goal, world):
    """A figure set against its floor; the line and whether it is a measured figure."""
    if figure is None:
        return f"{what}: not measured  [{world}]", False
    if floor is None or floor[0] <= 0:
        return f"{what}: {number(*figure)} | floor ({floor_what}): not measured  [{world}]", True
    ratio = figure[0] / floor[0]
    if goal is None:
        judged = "goal: none set, how far above its floor is reported"
    else:
        comparison, bound = goal
        verdict = "met" if COMPARE[comparison](ratio, bound) else "MISSED"
        judged = f"goal {comparison} {bound:g}x: {verdict}"
    return (f"{what}: {number(*figure)} | floor ({floor_what}): {number(*floor)} | "
            f"{ratio:.2f}x | {judged}  [{world}]"), True


def absolute_line(what, value, unit, goal, goal_words, world):
    if value is None:
        return f"{what}: not measured  [{world}]"
    verdict = "met" if COMPARE[goal[0]](value, goal[1]) else "MISSED"
    return f"{what}: {number(value, unit)} | no floor | goal {goal_words}: {verdict}  [{world}]"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--world", required=True)
    parser.add_argument("--bench-dir", required=True)
    parser.add_argument("--dist", required=True)
    parser.add_argument("output")
    args = parser.parse_args()

    figures, floors = wine_results(args.bench_dir)
    decode = host_decode_median(args.bench_dir)
    if decode is not None:
        figures["decode_report_median"] = (decode, "ns")

    lines, missing, lost = [], 0, 0
    for key, what, floor_what, goal in AGAINST_FLOOR:
        line, measured = floor_line(what, figures.get(key), floors.get(key), floor_what, goal, args.world)
        lines.append(line)
        missing += not measured
    for key, what in EVENTS_LOST:
        value, unit = figures.get(key, (None, ""))
        missing += value is None
        lost += value is not None and value > 0
        lines.append(absolute_line(what, value, unit, ("<=", 0), "none", args.world))
    grown = 0
    for key, what in GROWN:
        value, unit = figures.get(key, (None, ""))
        missing += value is None
        grown += value is not None and value > 0
        lines.append(absolute_line(what, value, unit, ("<=", 0), "none", args.world))
    for key, what in BEFORE_AFTER:
        start, end = figures.get(key + "_start"), figures.get(key + "_end")
        missing += start is None or end is None
        shown = f"{number(start[0], '').strip()} -> {number(*end)}" if start and end else "not measured"
        lines.append(f"{what}: {shown}  [{args.world}]")
    for key, what, unit, goal, goal_words in ABSOLUTE:
        value = figures.get(key, (None,))[0]
        missing += value is None
        world = "host" if key == "decode_report_median" else args.world
        lines.append(absolute_line(what, value, unit, goal, goal_words, world))
    shipped = sorted(glob.glob(os.path.join(args.dist, "*")))
    carried_kb = sum(os.path.getsize(p) for p in shipped if os.path.basename(p) != SETUP_NAME) / 1024
    for path in shipped:
        name = os.path.basename(path)
        if name == SETUP_NAME:
            goal_kb, goal_words = carried_kb, f"at most the {carried_kb:.0f} KB it carries"
        else:
            goal_kb = SIZE_GOALS_KB.get(os.path.splitext(name)[1].lower())
            goal_words = f"at most {goal_kb} KB"
        if goal_kb is not None:
            lines.append(absolute_line(f"size of {name}", os.path.getsize(path) / 1024, "KB", ("<=", goal_kb),
                                       goal_words, args.world))

    with open(args.output, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")
    print("\n".join(lines))
    if missing:
        print(f"bench-summary: {missing} figure(s) not measured: a benchmark did not run to its end", file=sys.stderr)
    if lost:
        print(f"bench-summary: {lost} benchmark(s) lost events", file=sys.stderr)
    if grown:
        print(f"bench-summary: {grown} count(s) of the soak grew", file=sys.stderr)
    return 1 if missing or lost or grown else 0


if __name__ == "__main__":
    sys.exit(main())
