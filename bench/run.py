#!/usr/bin/env python3
"""Runs Quorvel's benchmarks and prints one table: each figure with its
budget and its ratio to the floor measured in the same run, then a last line
for scripts:

bench: recalc_us=... paste_ms=... key_results_ratio=... key_repaint_ratio=... startup_ratio=...
       rss_ratio=... layout_startup_ratio=... layout_rss_ratio=...

Usage: bench/run.py BENCH_DIR [--quick]

BENCH_DIR holds quorvel_calc_bench, quorvel_key_bench and
quorvel_startup_bench. --quick runs each of them a few times only, to prove
that they and this script work; its figures mean nothing.
"""

import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

STARTUP_MODES = ("window", "layout", "empty")


def progress(message):
    print(f"bench: {message}", file=sys.stderr, flush=True)


def run(command, **kwargs):
    """Runs a command; its error output is shown only when it fails."""
    result = subprocess.run(command, stderr=subprocess.PIPE, text=True, **kwargs)
    if result.returncode != 0:
        sys.stderr.write(result.stderr)
        sys.exit(f"bench: {os.path.basename(command[0])} failed ({result.returncode})")
    return result


def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[round(fraction * (len(ordered) - 1))]


def calc_figures(bench_dir, quick):
    """Medians in nanoseconds, by benchmark name."""
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "calc.json")
        repetitions = 1 if quick else 10
        run([os.path.join(bench_dir, "quorvel_calc_bench"),
             f"--benchmark_min_time={0.001 if quick else 0.2}",
             f"--benchmark_repetitions={repetitions}",
             f"--benchmark_out={out}", "--benchmark_out_format=json"],
            stdout=subprocess.DEVNULL)
        with open(out, encoding="utf-8") as f:
            report = json.load(f)
    scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}
    figures = {}
    for b in report["benchmarks"]:
        aggregate = b.get("aggregate_name")
        if (repetitions > 1 and aggregate == "median") or (repetitions == 1 and b.get("run_type") == "iteration"):
            figures[b["run_name"]] = b["real_time"] * scale[b["time_unit"]]
    return figures


def key_figures(bench_dir, quick, env):
    options = ["--warmup", "2", "--keys", "4", "--rounds", "2"] if quick else []
    result = run([os.path.join(bench_dir, "quorvel_key_bench"), *options], stdout=subprocess.PIPE, env=env)
    return json.loads(result.stdout)


def startup_times(bench_dir, quick, env):
    """Seconds per start-up, by mode: one hyperfine call, the three modes
    taking turns in rounds so that a change in the machine's load falls on
    all of them."""
    hyperfine = shutil.which("hyperfine")
    if hyperfine is None:
        sys.exit("bench: hyperfine is missing (make deps installs it)")
    program = os.path.join(bench_dir, "quorvel_startup_bench")
    rounds, runs = (1, 2) if quick else (10, 10)
    commands = [f"{program} {mode}" for _ in range(rounds) for mode in STARTUP_MODES]
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "startup.json")
        run([hyperfine, "--shell=none", "--style", "none", "--warmup", "1" if quick else "3",
             "--runs", str(runs), "--export-json", out, *commands], env=env, stdout=subprocess.DEVNULL)
        with open(out, encoding="utf-8") as f:
            report = json.load(f)
    times = {mode: [] for mode in STARTUP_MODES}
    for result in report["results"]:
        times[result["command"].rsplit(" ", 1)[1]].extend(result["times"])
    return times


def peak_rss(bench_dir, quick, env):
    """Peak resident set sizes in kB, by mode, from the kernel's accounting
    of each finished process (what /usr/bin/time reports as its maximum)."""
    program = os.path.join(bench_dir, "quorvel_startup_bench")
    sizes = {mode: [] for mode in STARTUP_MODES}
    for _ in range(1 if quick else 10):
        for mode in STARTUP_MODES:
            child = subprocess.Popen([program, mode], env=env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            _, status, usage = os.wait4(child.pid, 0)
            child.returncode = os.waitstatus_to_exitcode(status)
            if child.returncode != 0:
                sys.exit(f"bench: quorvel_startup_bench {mode} failed ({child.returncode})")
            sizes[mode].append(usage.ru_maxrss)
    return sizes


def main():
    args = [a for a in sys.argv[1:] if a != "--quick"]
    quick = "--quick" in sys.argv[1:]
    if len(args) != 1:
        sys.exit(__doc__)
    bench_dir = os.path.abspath(args[0])
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")

    progress("calculation (Google Benchmark)")
    calc = calc_figures(bench_dir, quick)
    progress("keystrokes through the window and its floor")
    keys = key_figures(bench_dir, quick, env)
    progress("start-up (hyperfine) and peak memory")
    times = startup_times(bench_dir, quick, env)
    rss = peak_rss(bench_dir, quick, env)

    rows = []

    def row(measure, median, p90="", floor="", ratio=None, budget=None):
        met = "" if budget is None else ("yes" if ratio <= budget[0] else "NO")
        rows.append((measure, median, p90, floor, "" if ratio is None else f"{ratio:.2f}",
                     "" if budget is None else budget[1], met))

    recalcs = {"typed example": "BM_RecalculateTyped", "defaults": "BM_RecalculateDefaults",
               "random inputs, all unit combinations": "BM_RecalculateRandom"}
    for what, name in recalcs.items():
        us = calc[name] / 1000
        rows.append((f"Recalculate, {what}", f"{us:.2f} µs", "", "", "", "≤ 10 µs (aim 5)",
                     "yes" if us <= 10 else "NO"))
    for name in ("ParseStrict", "ParseLeading", "NumberToText"):
        rows.append((name, f"{calc['BM_' + name]:.0f} ns", "", "", "", "", ""))
    pastes = ("a plain number, kept", "blanks before a number", "digit groups, too large")
    paste_ms = []
    for n, what in enumerate(pastes):
        paste_ms.append(calc[f"BM_LongPasteAndLeave/{n}"] / 1e6)
        rows.append((f"200,000-character paste, then left: {what}", f"{paste_ms[-1]:.2f} ms", "", "", "",
                     "< 50 ms", "yes" if paste_ms[-1] < 50 else "NO"))

    real, floor = keys["real"], keys["floor"]
    ratios = {}
    for key, what, budget in (("results_us", "results written", 1.3), ("repaint_us", "repaint flushed", 1.15)):
        ratios[key] = real[key]["median"] / floor[key]["median"]
        row(f"keystroke → {what}", f"{real[key]['median']:.0f} µs", f"{real[key]['p90']:.0f} µs",
            f"{floor[key]['median']:.0f} µs", ratios[key], (budget, f"≤ {budget} × floor"))
    # Counts, not times: what a keystroke costs the toolkit, whatever the machine's load.
    for key, what in (("writes", "result box texts changed"), ("repaints", "result box paints")):
        row(f"keystroke → {what}", f"{real[key]['median']:.0f}", f"{real[key]['p90']:.0f}",
            f"{floor[key]['median']:.0f}", real[key]["median"] / max(floor[key]["median"], 1))

    median_ms = {mode: statistics.median(times[mode]) * 1000 for mode in STARTUP_MODES}
    p90_ms = {mode: percentile(times[mode], 0.9) * 1000 for mode in STARTUP_MODES}
    median_kb = {mode: statistics.median(rss[mode]) for mode in STARTUP_MODES}
    startup_ratio = median_ms["window"] / median_ms["layout"]
    rss_ratio = median_kb["window"] / median_kb["layout"]
    layout_startup_ratio = median_ms["layout"] / median_ms["empty"]
    layout_rss_ratio = median_kb["layout"] / median_kb["empty"]
    row("start-up to first frame: window / layout", f"{median_ms['window']:.1f} ms", f"{p90_ms['window']:.1f} ms",
        f"{median_ms['layout']:.1f} ms", startup_ratio, (1.05, "≤ 1.05 × floor"))
    row("peak RSS: window / layout", f"{median_kb['window'] / 1024:.1f} MiB", "",
        f"{median_kb['layout'] / 1024:.1f} MiB", rss_ratio, (1.05, "≤ 1.05 × floor"))
    row("start-up to first frame: layout / empty", f"{median_ms['layout']:.1f} ms", f"{p90_ms['layout']:.1f} ms",
        f"{median_ms['empty']:.1f} ms", layout_startup_ratio, (1.6, "≤ 1.6 × empty"))
    row("peak RSS: layout / empty", f"{median_kb['layout'] / 1024:.1f} MiB", "",
        f"{median_kb['empty'] / 1024:.1f} MiB", layout_rss_ratio, (1.3, "≤ 1.3 × empty"))

    header = ("measure", "median", "p90", "floor", "ratio", "budget", "met")
    widths = [max(len(r[i]) for r in rows + [header]) for i in range(len(header))]
    aligns = ("<", ">", ">", ">", ">", "<", "<")

    def line(cells):
        return "  ".join(f"{c:{a}{w}}" for c, a, w in zip(cells, aligns, widths)).rstrip()

    samples = (f"{len(times['window'])} start-ups and {len(rss['window'])} memory runs of each; "
               f"{keys['keys']} timed keystrokes on each side")
    print(f"Quorvel benchmarks{' (--quick: figures mean nothing)' if quick else ''}: medians; "
          f"the floor is measured in the same run ({samples})")
    print(line(header))
    print(line(tuple("-" * w for w in widths)))
    for r in rows:
        print(line(r))
    recalc_us = max(calc[name] for name in recalcs.values()) / 1000
    print(f"bench: recalc_us={recalc_us:.2f} paste_ms={max(paste_ms):.2f} key_results_ratio={ratios['results_us']:.2f} "
          f"key_repaint_ratio={ratios['repaint_us']:.2f} startup_ratio={startup_ratio:.3f} "
          f"rss_ratio={rss_ratio:.3f} layout_startup_ratio={layout_startup_ratio:.2f} "
          f"layout_rss_ratio={layout_rss_ratio:.2f}")


if __name__ == "__main__":
    main()
