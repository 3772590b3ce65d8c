#!/usr/bin/env python3
"""Counts the instructions one keystroke costs the window and the toolkit's
floor (quorvel_key_bench), with callgrind: for each side, the instructions
of a run of 600 keystrokes less those of a run of 200, over 400. What the
two runs share (start-up, warming up, the other side) cancels out, and an
instruction count, unlike a time, comes out the same whatever else the
machine is doing.

Usage: bench/key_instructions.py BENCH_DIR   (a Release build without unity batches)
"""

import os
import re
import subprocess
import sys
import tempfile

SHORT, LONG = 200, 600
BUDGET = 1.06


def instructions(program, side, keys, env):
    with tempfile.TemporaryDirectory() as scratch:
        result = subprocess.run(
            ["valgrind", "--tool=callgrind", f"--callgrind-out-file={scratch}/callgrind.out",
             program, "--only", side, "--keys", str(keys), "--rounds", "10"],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    if result.returncode != 0:
        sys.stderr.write(result.stderr)
        sys.exit(f"key_instructions: the {side} side failed ({result.returncode})")
    collected = re.search(r"Collected\s*:\s*(\d+)", result.stderr)
    if not collected:
        sys.exit("key_instructions: callgrind gave no count")
    return int(collected.group(1))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    program = os.path.join(os.path.abspath(sys.argv[1]), "quorvel_key_bench")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    per_key = {}
    for side in ("floor", "real"):
        print(f"key_instructions: {side}, {SHORT} and {LONG} keystrokes under callgrind", file=sys.stderr, flush=True)
        short = instructions(program, side, SHORT, env)
        long = instructions(program, side, LONG, env)
        per_key[side] = (long - short) / (LONG - SHORT)
    ratio = per_key["real"] / per_key["floor"]
    print(f"instructions per keystroke: window {per_key['real']:.0f}, floor {per_key['floor']:.0f}, "
          f"ratio {ratio:.4f} (budget ≤ {BUDGET}: {'met' if ratio <= BUDGET else 'NOT met'})")


if __name__ == "__main__":
    main()
