#!/usr/bin/env python3
"""Cold start time and peak memory of `tolvex --screenshot` against a bare Qt window.

Both programs start offscreen, show their window, save a picture after the same
300 ms pause and quit; the figures below subtract nothing, so the difference
between the two rows is what the program's own start costs.

usage: tools/bench-startup.py [BUILD_DIR] [RUNS]
"""
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10


def measure(cmd, env):
    times, peaks = [], []
    for _ in range(runs):
        start = time.perf_counter()
        pid = subprocess.Popen(cmd, env=env, cwd="/", stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL).pid
        _, status, usage = os.wait4(pid, 0)
        times.append(time.perf_counter() - start)
        peaks.append(usage.ru_maxrss / 1024)
        if status != 0:
            sys.exit(f"{cmd[0]} failed with status {status}")
    return statistics.median(times) * 1000, statistics.median(peaks)


with tempfile.TemporaryDirectory() as home:
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", TOLVEX_HOME=home,
               XDG_RUNTIME_DIR=home, LANG=os.environ.get("LANG", "ru_RU.UTF-8"))
    png = os.path.join(home, "shot.png")
    rows = [("tolvex --screenshot", [os.path.abspath(f"{build}/src/tolvex"), "--screenshot", png]),
            ("bare Qt window", [os.path.abspath(f"{build}/bench/bench_bareWindow"), png])]
    print(f"median of {runs} runs, each including the same 300 ms pause before the picture")
    print(f"{'program':<22}{'wall ms':>10}{'peak RSS MiB':>15}")
    for name, cmd in rows:
        ms, mib = measure(cmd, env)
        print(f"{name:<22}{ms:>10.0f}{mib:>15.1f}")
