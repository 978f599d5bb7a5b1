"""Several zentra-cli processes, each making one run after another on one tape
file: every run's step is on the tape, each process's in its order, within
the thousand entries a tape keeps."""

import os
import subprocess
import sys
import tempfile
import threading

CLI = os.path.abspath(sys.argv[1])
OLD = "Zentra tape 1\n" + "".join(f"0\t{k}\t+\t\t\n" for k in range(1000))
# name, processes, runs each, what the file holds first
CASES = [
    ("a new tape", 4, 50, None),
    ("a full tape of the first format", 4, 50, OLD),
]


def runs(tape, first, count, codes):
    for k in range(first, first + count):
        run = subprocess.run([CLI, "--tape", tape, str(k), "+"], capture_output=True, text=True,
                             timeout=120)
        codes.append((run.returncode, run.stderr))


failures = []
for name, processes, count, old in CASES:
    with tempfile.TemporaryDirectory() as work:
        tape = os.path.join(work, "t.txt")
        if old:
            with open(tape, "w") as f:
                f.write(old)
        codes = []
        starts = [100000 * (p + 1) for p in range(processes)]
        threads = [threading.Thread(target=runs, args=(tape, s, count, codes)) for s in starts]
        for t in threads:
            t.start()
        for t in threads:
            t.join()
        lines = subprocess.run([CLI, "--tape", tape, "--print-tape"], capture_output=True,
                               text=True, timeout=60).stdout.splitlines()[1:]
        # A full tape that lost its oldest steps says so first.
        noted = bool(lines) and lines[0] == "Earlier steps dropped"
        lines = lines[1:] if noted else lines
        made = [int(line.split()[0]) for line in lines if int(line.split()[0]) >= 100000]
        problems = []
        if {code for code, _ in codes} != {0}:
            problems.append("failed runs: " + "".join({err for code, err in codes if code}))
        for s in starts:
            own = [k for k in made if s <= k < s + count]
            if own != list(range(s, s + count)):
                problems.append(f"{count - len(set(own))} of the {count} steps from {s} lost"
                                if len(set(own)) < count else f"the steps from {s} out of order")
        if noted != bool(old):
            problems.append("the note of dropped steps " + ("shown" if noted else "missing"))
        if len(lines) != min(1000, processes * count + (1000 if old else 0)):
            problems.append(f"{len(lines)} entries")
        if problems:
            failures.append(f"{name}: " + "; ".join(problems))
for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
