"""SIGHUP, SIGTERM and SIGINT end an interactive or piped zentra-cli as the end
of input does: the state and the tape are saved, then the run ends by that
signal."""

import os
import pty
import select
import signal
import subprocess
import sys
import tempfile

CLI = os.path.abspath(sys.argv[1])
SIGNALS = [signal.SIGHUP, signal.SIGTERM, signal.SIGINT]
# How standard input is given, and the output line that shows "7 Min 2 +" was taken.
INPUTS = {
    "piped": (["--trace"], lambda line: line.startswith("+\t")),
    "a terminal": ([], lambda line: line.strip() != ""),
}


def default_signals():
    for sig in SIGNALS:
        signal.signal(sig, signal.SIG_DFL)  # a background shell may have left SIGINT ignored


def wait_for_line(fd, done, seconds=20):
    seen = b""
    while select.select([fd], [], [], seconds)[0]:
        chunk = os.read(fd, 4096)
        if not chunk:
            break
        seen += chunk
        if any(done(line) for line in seen.decode().splitlines()):
            return True
    return False


def run_case(work, sig, options, done, terminal):
    state, tape = os.path.join(work, "s.ini"), os.path.join(work, "t.txt")
    master, slave = pty.openpty() if terminal else os.pipe()[::-1]
    proc = subprocess.Popen([CLI, "--state", state, "--tape", tape, *options], stdin=slave,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            preexec_fn=default_signals)
    os.close(slave)
    os.write(master, b"7 Min 2 +\n")
    if not wait_for_line(proc.stdout.fileno(), done):
        proc.kill()
        return "the tokens were never taken"
    proc.send_signal(sig)
    try:
        proc.wait(20)
    except subprocess.TimeoutExpired:
        proc.kill()
        return "still running after the signal"
    os.close(master)
    after = subprocess.run([CLI, "--state", state, "--tape", tape, "--dump", "--print-tape"],
                           capture_output=True, text=True, timeout=60).stdout.splitlines()
    problems = []
    if proc.returncode != -sig:
        problems.append(f"ended with {proc.returncode}, not by the signal")
    if not any(line.startswith("Memory0=7") for line in after):
        problems.append("the memory was not saved")
    if "2 +" not in after:
        problems.append("the tape was not saved")
    return "; ".join(problems)


failures = []
for sig in SIGNALS:
    for name, (options, done) in INPUTS.items():
        with tempfile.TemporaryDirectory() as work:
            problem = run_case(work, sig, options, done, name == "a terminal")
        if problem:
            failures.append(f"{sig.name}, {name}: {problem}")
for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
