#!/usr/bin/env python3
"""Start-up benchmark: zentra against a bare Qt window with the same 45 controls.

Starts its own Xvfb, launches each program repeatedly (alternating, so drift
affects both alike) and measures

  * launch to mapped: from just before the launch until the X server maps the
    program's first normal top-level window, as seen from outside by
    zentra_map_watch, an X client listening for map events on the root
    window (it then asks the window to close, as a window manager would), and
  * peak memory: the maximum resident set size reported by /usr/bin/time -v.

Prints the medians side by side with the goals: zentra within 1.15 times the
bare window's start-up time (--time-goal sets another) and within 5 MiB of its
peak memory. With --tape-entries N, zentra starts with a tape file of N
entries (closed tape); a 1,000-entry tape is to cost no more than 1.10 times.

Usage: run_startup_bench.py [--build BUILD_DIR] [--runs N] [--tape-entries N]
                            [--time-goal RATIO]
"""

import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

TIME_GOAL = 1.15
MEMORY_GOAL_KIB = 5 * 1024


def start_xvfb():
    """An X server on a free display; returns (process, display name)."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        server.kill()
        sys.exit("Xvfb did not start")
    return server, ":" + number


def run_once(program, watcher, env, workdir):
    """Launches program once; returns (milliseconds to mapped, peak RSS in KiB)."""
    with tempfile.NamedTemporaryFile(mode="r", suffix=".time") as report:
        watch = subprocess.Popen([watcher], env=env, stdout=subprocess.PIPE, text=True)
        if watch.stdout.readline().strip() != "ready":
            watch.kill()
            raise RuntimeError("zentra_map_watch did not start")
        start = time.monotonic_ns()
        process = subprocess.Popen(["/usr/bin/time", "-v", "-o", report.name, program],
                                   env=env, cwd=workdir, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        mapped_ns = None
        for line in watch.stdout:
            match = re.match(r"mapped (\d+)", line)
            if match:
                mapped_ns = int(match.group(1))
        watch.wait(timeout=60)
        if process.wait(timeout=60) != 0 or mapped_ns is None:
            raise RuntimeError(f"{program} did not map a window and close normally")
        peak = re.search(r"Maximum resident set size \(kbytes\): (\d+)", report.read())
        return (mapped_ns - start) / 1e6, int(peak.group(1))


def write_tape(path, entries):
    """A tape file of entries lines: chains of operands, results and functions."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    kinds = ["0\t{k}\t+\t\t", "0\t{k}\t\u00d7\t\t", "1\t{k}.000000000\t\t\t",
             "2\t{k}\tsin\t0.5000000000\t", "7\t\tAC\t\t"]
    with open(path, "w", encoding="utf-8") as tape:
        tape.write("Zentra tape 1\n")
        for k in range(entries):
            tape.write(kinds[k % len(kinds)].format(k=k) + "\n")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(here, "..", "..", "build"),
                        help="the build directory (default: build/ of the source tree)")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--tape-entries", type=int, default=0)
    parser.add_argument("--time-goal", type=float, default=TIME_GOAL)
    args = parser.parse_args()

    programs = {
        "zentra": os.path.abspath(os.path.join(args.build, "shell", "zentra")),
        "bare window": os.path.abspath(
            os.path.join(args.build, "tools", "startup_bench", "zentra_bare_window")),
    }
    watcher = os.path.abspath(os.path.join(args.build, "tools", "startup_bench", "zentra_map_watch"))
    for path in [*programs.values(), watcher]:
        if not os.access(path, os.X_OK):
            sys.exit(f"not built: {path}")
    if not shutil.which("Xvfb") or not os.access("/usr/bin/time", os.X_OK):
        sys.exit("needs Xvfb and /usr/bin/time")

    server, display = start_xvfb()
    scratch = tempfile.TemporaryDirectory()
    try:
        runtime = os.path.join(scratch.name, "runtime")
        os.mkdir(runtime, 0o700)
        data = os.path.join(scratch.name, "data")
        env = dict(os.environ, DISPLAY=display,
                   XDG_RUNTIME_DIR=runtime,
                   XDG_CONFIG_HOME=os.path.join(scratch.name, "config"),
                   XDG_DATA_HOME=data)
        if args.tape_entries:
            write_tape(os.path.join(data, "zentra", "tape.txt"), args.tape_entries)
        env.pop("QT_QPA_PLATFORM", None)
        env.pop("WAYLAND_DISPLAY", None)
        results = {name: ([], []) for name in programs}
        # One unmeasured run each fills the disk cache and writes zentra's settings.
        for program in programs.values():
            run_once(program, watcher, env, scratch.name)
        for _ in range(args.runs):
            for name, program in programs.items():
                ms, kib = run_once(program, watcher, env, scratch.name)
                results[name][0].append(ms)
                results[name][1].append(kib)
    finally:
        server.terminate()
        server.wait()
        scratch.cleanup()

    med = {name: (statistics.median(t), statistics.median(m)) for name, (t, m) in results.items()}
    print(f"median of {args.runs} runs     launch to mapped    peak RSS")
    for name, (ms, kib) in med.items():
        print(f"  {name:<22} {ms:10.1f} ms     {kib / 1024:8.1f} MiB")
    (zentra_ms, zentra_kib), (bare_ms, bare_kib) = med["zentra"], med["bare window"]
    ratio = zentra_ms / bare_ms
    extra = zentra_kib - bare_kib
    time_ok = ratio <= args.time_goal
    memory_ok = extra <= MEMORY_GOAL_KIB
    print(f"  start-up ratio {ratio:.2f} (goal <= {args.time_goal:.2f}): {'met' if time_ok else 'MISSED'}")
    print(f"  extra memory {extra / 1024:.1f} MiB (goal <= {MEMORY_GOAL_KIB // 1024} MiB): "
          f"{'met' if memory_ok else 'MISSED'}")
    return 0 if time_ok and memory_ok else 1


if __name__ == "__main__":
    sys.exit(main())
