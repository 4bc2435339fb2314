#!/usr/bin/env python3
"""Cold start time and peak memory of `tolvex --screenshot` against a bare Qt window.

Both programs start offscreen, show their window, save a picture as soon as it has
been painted and quit. The two are run alternately (so a busy moment of the machine
falls on both), RUNS times each; the medians are compared.

With --faults, the start is timed instead with each damaged or odd file as
tolvex.ini and as the chosen language file (english.lng), RUNS runs each.

usage: tools/bench-startup.py [--faults] [BUILD_DIR] [RUNS]
"""
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

args = [a for a in sys.argv[1:] if a != "--faults"]
faults = "--faults" in sys.argv
build = args[0] if args else "build"
runs = int(args[1]) if len(args) > 1 else (5 if faults else 15)


def once(cmd, env):
    start = time.perf_counter()
    pid = subprocess.Popen(cmd, env=env, cwd="/", stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL).pid
    _, status, usage = os.wait4(pid, 0)
    if status != 0:
        sys.exit(f"{cmd[0]} failed with status {status}")
    return (time.perf_counter() - start) * 1000, usage.ru_maxrss / 1024


def fault_files():
    """(name, bytes) of each damaged or odd file; None means a folder of that name."""
    rnd = random.Random(7)
    padding = b"a_long_key_for_padding=and a long value for padding the file out\n"
    big = lambda mb: b"[Preferens]\nSpisok_material=\xd0\xa6\xd0\xb8\xd0\xbd\xd0\xba - 7,13\n[Junk]\n" + \
        padding * (mb * 1024 * 1024 // len(padding))
    return [
        ("ordinary", b"[Network]\r\nEmail=0\r\n"),
        ("random binary, 1 MB", bytes(rnd.getrandbits(8) for _ in range(1 << 20))),
        ("20 MB of text", big(20)),
        ("50 MB of text", big(50)),
        ("a folder of that name", None),
        ("read-only file", b"[Preferens]\r\nSpisok_material=x\r\n"),
        ("read-only program folder", b"[Preferens]\r\nSpisok_material=x\r\n"),
        ("invalid UTF-8", b"[Preferens]\nSpisok_material=\xc3\x28\xed\xa0\x80\n"),
        ("UTF-8 byte-order mark", b"\xef\xbb\xbf[Network]\nEmail=0\n"),
        ("mixed CR, LF, CRLF", b"[Network]\rEmail=0\n[Preferens]\r\nSpisok_material=x"),
        ("section twice", b"[Network]\nEmail=0\n[Network]\nEmail=1\n"),
        ("key repeated", b"[Network]\nEmail=0\nEmail=1\n"),
        ("1 MB line", b"[Junk]\n" + b"x" * (1 << 20) + b"\n[Network]\nEmail=0\n"),
        ("foreign sections, comments", b"; mine\n[Other]\nx=1\n; more\n[Network]\nEmail=0\n"),
    ]


def bench_faults():
    tolvex = os.path.abspath(f"{build}/src/tolvex")
    lang = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "lang")
    # Peak memory is not shown: the child counts the pages of this script, which
    # holds the large files, until it runs the program.
    print(f"start times in ms, medians of {runs} runs each")
    print(f"{'file':<30}{'as tolvex.ini':>18}{'as english.lng':>18}")
    for name, content in fault_files():
        cells = []
        for target in ("tolvex.ini", "english.lng"):
            samples = []
            for _ in range(runs):
                with tempfile.TemporaryDirectory() as home:
                    folder = os.path.join(home, "program")
                    os.mkdir(folder)
                    for f in os.listdir(lang):
                        shutil.copy(os.path.join(lang, f), folder)
                    path = os.path.join(folder, target)
                    if target == "english.lng":
                        os.remove(path)
                        with open(os.path.join(folder, "tolvex.ini"), "wb") as f:
                            f.write(b"[Language]\r\nrussian=0\r\nenglish=1\r\n")
                    if content is None:
                        os.mkdir(path)
                    else:
                        with open(path, "wb") as f:
                            f.write(content)
                    if name == "read-only file":
                        os.chmod(path, 0o444)
                    if name == "read-only program folder":
                        os.chmod(folder, 0o555)
                    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", TOLVEX_HOME=folder,
                               XDG_RUNTIME_DIR=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                               LANG=os.environ.get("LANG", "ru_RU.UTF-8"))
                    samples.append(once([tolvex, "--screenshot", os.path.join(home, "s.png")], env))
                    os.chmod(folder, 0o755)
            cells.append(f"{statistics.median(r[0] for r in samples):.0f}")
        print(f"{name:<30}{cells[0]:>18}{cells[1]:>18}")


if faults:
    bench_faults()
    sys.exit(0)

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
