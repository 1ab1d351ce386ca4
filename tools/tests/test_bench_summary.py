"""make bench's summary: figures set against their floors, and what fails a run."""
import importlib.util
import json
import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench-summary.py")
loader_of = importlib.util.spec_from_file_location("bench_summary", SCRIPT)
summary = importlib.util.module_from_spec(loader_of)
loader_of.loader.exec_module(summary)


class BenchSummaryTest(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.TemporaryDirectory()
        self.bench = os.path.join(self.work.name, "bench")
        self.dist = os.path.join(self.work.name, "dist")
        os.makedirs(self.bench)
        os.makedirs(self.dist)
        # Every figure measured and every goal met: rates at their floor, times at it, nothing lost.
        self.lines = []
        for key, _, _, _ in summary.AGAINST_FLOOR:
            self.lines += [f"figure {key} 10.000 ms", f"floor {key} 10.000 ms"]
        self.lines += [f"figure {key} 0.000 events" for key, _ in summary.EVENTS_LOST]
        self.lines += [f"figure {key} 0.000 counts" for key, _ in summary.GROWN]
        self.lines += [f"figure {key}_{end} 40.000 handles" for key, _ in summary.BEFORE_AFTER for end in ("start", "end")]
        self.lines += [f"figure {key} 0.000 {unit}" for key, _, unit, _, _ in summary.ABSOLUTE
                       if key != "decode_report_median"]
        with open(os.path.join(self.bench, summary.HOST_DECODE_BENCH), "w", encoding="utf-8") as out:
            json.dump({"benchmarks": [{"name": summary.HOST_DECODE_CASE, "real_time": 20.0, "time_unit": "ns"}]}, out)

    def tearDown(self):
        self.work.cleanup()

    def run_summary(self, replaced=None, dropped=None):
        lines = [line for line in self.lines if dropped is None or dropped not in line]
        lines = [replaced.get(line, line) if replaced else line for line in lines]
        with open(os.path.join(self.bench, "results.txt"), "w", encoding="utf-8") as out:
            out.write("\n".join(lines) + "\n")
        output = os.path.join(self.work.name, "summary.txt")
        status = subprocess.run([sys.executable, SCRIPT, "--world", "win32", "--bench-dir", self.bench,
                                 "--dist", self.dist, output], capture_output=True, text=True).returncode
        with open(output, encoding="utf-8") as text:
            return status, text.read()

    def test_a_missed_goal_is_reported_and_does_not_fail_the_run(self):
        status, text = self.run_summary({"figure reports_per_second 10.000 ms": "figure reports_per_second 5.000 ms"})
        self.assertEqual(status, 0)
        self.assertIn("0.50x | goal >= 0.9x: MISSED", text)

    def test_the_setup_is_held_to_what_it_carries_not_to_a_programs_size(self):
        for name, size in (("keyagent.exe", 100 * 1024), ("keypages.dll", 90 * 1024), ("skyrel-setup.exe", 150 * 1024)):
            with open(os.path.join(self.dist, name), "wb") as out:
                out.write(b"\0" * size)
        _, text = self.run_summary()
        self.assertIn("size of skyrel-setup.exe: 150 KB | no floor | goal at most the 190 KB it carries: met", text)
        with open(os.path.join(self.dist, "skyrel-setup.exe"), "wb") as out:
            out.write(b"\0" * 200 * 1024)
        _, text = self.run_summary()
        self.assertIn("goal at most the 190 KB it carries: MISSED", text)

    def test_a_lost_event_fails_the_run(self):
        status, _ = self.run_summary({"figure wheel_notches_lost 0.000 events": "figure wheel_notches_lost 1.000 events"})
        self.assertEqual(status, 1)

    def test_a_count_the_soak_saw_grow_fails_the_run(self):
        status, text = self.run_summary({"figure soak_host_counts_grown 0.000 counts": "figure soak_host_counts_grown 1.000 counts",
                                         "figure soak_host_handles_end 40.000 handles": "figure soak_host_handles_end 41.000 handles"})
        self.assertEqual(status, 1)
        self.assertIn("panel host handles, after its first round and at the end: 40 -> 41 handles", text)

    def test_a_figure_no_benchmark_wrote_fails_the_run(self):
        status, text = self.run_summary(dropped="figure procwheel_notch_p99 ")
        self.assertEqual(status, 1)
        self.assertIn("one wheel notch through ProcWheel, p99: not measured", text)


if __name__ == "__main__":
    unittest.main()
