#!/usr/bin/env python3
"""Cold start time and peak memory of `tolvex --screenshot` against a bare Qt window.

Both programs start offscreen, show their window, save a picture as soon as it has
been painted and quit. The two are run alternately (so a busy moment of the machine
falls on both), RUNS times each; the medians are compared.

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
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15


def once(cmd, env):
    start = time.perf_counter()
    pid = subprocess.Popen(cmd, env=env, cwd="/", stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL).pid
    _, status, usage = os.wait4(pid, 0)
    if status != 0:
        sys.exit(f"{cmd[0]} failed with status {status}")
    return (time.perf_counter() - start) * 1000, usage.ru_maxrss / 1024


with tempfile.TemporaryDirectory() as home:
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", TOLVEX_HOME=home,
               XDG_RUNTIME_DIR=home, LANG=os.environ.get("LANG", "ru_RU.UTF-8"))
    png = os.path.join(home, "shot.png")
    rows = [("tolvex --screenshot", [os.path.abspath(f"{build}/src/tolvex"), "--screenshot", png]),
            ("bare Qt window", [os.path.abspath(f"{build}/bench/bench_bareWindow"), png])]
    results = {name: [] for name, _ in rows}
    for _ in range(runs):
        for name, cmd in rows:
            results[name].append(once(cmd, env))
    print(f"medians of {runs} alternating runs each, picture taken once the window is painted")
    print(f"{'program':<22}{'wall ms':>10}{'peak RSS MiB':>15}")
    medians = {}
    for name, _ in rows:
        ms = statistics.median(r[0] for r in results[name])
        mib = statistics.median(r[1] for r in results[name])
        medians[name] = ms
        print(f"{name:<22}{ms:>10.0f}{mib:>15.1f}")
    print(f"ratio {medians[rows[0][0]] / medians[rows[1][0]]:.2f}")
