"""zentra-cli saving a large properties file while floating-point signals
arrive: the save completes (or the old file stays byte for byte), the run
exits 0 and the problem is reported once."""

import ctypes
import os
import signal
import subprocess
import sys
import tempfile
import time

CLI = sys.argv[1]
libc = ctypes.CDLL(None, use_errno=True)
SENDERS = {
    "tgkill to the main thread": lambda pid: libc.tgkill(pid, pid, signal.SIGFPE),
    "kill to the process": lambda pid: os.kill(pid, signal.SIGFPE),
}
MESSAGE = "Runtime Problem: Arithmetic"


def big_prp(path):
    with open(path, "w") as f:
        for p in range(1500):
            f.write(f"P:property{p}\nU:base{p}\n")
            for u in range(40):
                f.write(f"U:unit{p}x{u}\\{u + 1}.25\\0.5\n")
            f.write(f"C:constant{p}\\{p}.125\n")


def state_of(folder, target):
    st = os.stat(target)
    return sorted(os.listdir(folder)), st.st_size, st.st_mtime_ns


def run_with_signals(folder, source, target, send):
    """Sends signals from the moment the save starts until the run ends;
    None when the run ended before any could be sent."""
    before = state_of(folder, target)
    proc = subprocess.Popen([CLI, "--prp", source, "--save-prp", target],
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    while proc.poll() is None and state_of(folder, target) == before:
        time.sleep(0.0002)
    sent = 0
    while proc.poll() is None:
        send(proc.pid)
        sent += 1
        time.sleep(0.001)
    err = proc.communicate()[1]
    return (proc.returncode, err) if sent else None


def main():
    failures = []
    failed = 0
    with tempfile.TemporaryDirectory() as folder:
        source = os.path.join(folder, "big.prp")
        big_prp(source)
        reference = os.path.join(folder, "reference.prp")
        subprocess.run([CLI, "--prp", source, "--save-prp", reference], check=True,
                       stdout=subprocess.DEVNULL)
        with open(reference, "rb") as f:
            new = f.read()
        old = b"o:the user's earlier database\n" * 1000
        for name, send in SENDERS.items():
            problems = []
            target = os.path.join(folder, "target.prp")
            for _ in range(8):
                with open(target, "wb") as f:
                    f.write(old)
                outcome = run_with_signals(folder, source, target, send)
                if outcome and MESSAGE in outcome[1]:
                    break
            else:
                problems.append("no signal landed during the save")
                outcome = (0, MESSAGE)
            code, err = outcome
            with open(target, "rb") as f:
                saved = f.read()
            if code != 0:
                problems.append(f"exit {code}")
            if err.count(MESSAGE) != 1:
                problems.append(f"reported {err.count(MESSAGE)} times: {err!r}")
            if saved not in (new, old):
                problems.append(f"torn file of {len(saved)} bytes (new {len(new)}, old {len(old)})")
            failures += [f"{name}: {problem}" for problem in problems]
            failed += bool(problems)
    for failure in failures:
        print(failure)
    print(f"{len(SENDERS) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
