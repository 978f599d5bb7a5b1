"""zentra-cli's --tape and --print-tape: the tape file read first and written
after the last token, its lines after the display, a damaged file set aside
(or, where it cannot be, left as it was)."""

import os
import pathlib
import subprocess
import sys
import tempfile

CLI = os.path.abspath(sys.argv[1])
failures = []


def run(*args, cwd):
    return subprocess.run([CLI, *args], cwd=cwd, capture_output=True, text=True, timeout=60)


def check(name, condition, result=None):
    if not condition:
        failures.append(name)
        if result is not None:
            print(f"{name}: exit {result.returncode}\n{result.stdout}{result.stderr}")


with tempfile.TemporaryDirectory() as work:
    tape = pathlib.Path(work) / "t.txt"
    first = run("--tape", str(tape), "--print-tape", "2", "+", "3", "X", "4", "=", cwd=work)
    check("the steps follow the display in order",
          first.returncode == 0 and first.stdout.splitlines() ==
          ["20.00000000", "2 +", "3 \u00d7", "4 =", "20.00000000 *"], first)

    second = run("--tape", str(tape), "--print-tape", "AC", "9", "sqrt", cwd=work)
    check("a second run appends to what the first left",
          second.returncode == 0 and second.stdout.splitlines()[1:] ==
          ["2 +", "3 \u00d7", "4 =", "20.00000000 *", "AC ----", "9 \u221a \u2192 3.000000000"],
          second)

    before = tape.read_bytes()
    usage = run("--tape", str(tape), "5", "+", "bogus", cwd=work)
    check("a usage error leaves the tape file as it was",
          usage.returncode == 2 and tape.read_bytes() == before, usage)

    plain = run("--print-tape", "--dump", "1", "+", cwd=work)
    check("without a file the run's own steps print after the dump",
          plain.returncode == 0 and plain.stdout.splitlines()[-1] == "1 +"
          and plain.stdout.startswith("Display="), plain)

    tape.write_bytes(b"\xff\xfe not a tape\n")
    damaged = run("--tape", str(tape), "--print-tape", "7", "+", cwd=work)
    aside = pathlib.Path(str(tape) + ".damaged")
    check("a damaged file is set aside and a new tape starts",
          damaged.returncode == 0 and damaged.stdout.splitlines() == ["7", "7 +"]
          and aside.read_bytes() == b"\xff\xfe not a tape\n" and "set aside" in damaged.stderr
          and tape.read_text(encoding="utf-8").splitlines()[0] == "Zentra tape 2", damaged)

    # A folder the run cannot write: root stands in for its owner, nobody runs.
    locked = pathlib.Path(work) / "locked"
    locked.mkdir()
    kept = locked / "t.txt"
    kept.write_bytes(b"Zentra tape 2\nnot an entry\n")
    as_other = None
    if os.geteuid() == 0:
        os.chmod(work, 0o755)
        os.chown(kept, 65534, 65534)
        as_other = lambda: os.setuid(65534)  # noqa: E731
    else:
        locked.chmod(0o555)
    kept_run = subprocess.run([CLI, "--tape", str(kept), "--print-tape", "7", "+"], cwd=work,
                              capture_output=True, text=True, timeout=60, preexec_fn=as_other)
    locked.chmod(0o755)
    check("a damaged tape that cannot be set aside is kept, and the steps only in memory",
          kept_run.returncode == 1 and kept_run.stdout.splitlines() == ["7", "7 +"]
          and "could not be set aside" in kept_run.stderr and os.listdir(locked) == ["t.txt"]
          and kept.read_bytes() == b"Zentra tape 2\nnot an entry\n", kept_run)

    csv = run("--print-tape=csv", "2", "+", "3", "=", cwd=work)
    check("--print-tape=csv prints a header row and a row per entry after the display",
          csv.returncode == 0 and csv.stdout.splitlines() ==
          ["5.000000000", "kind,value,key,result,detail,line", "operation,2,+,,,2 +",
           "operation,3,=,,,3 =", "result,5.000000000,,,,5.000000000 *"], csv)

    settings = run("--print-tape", "mode", "base=oct", "mode", "base=fin", "1/X", "8,5", cwd=work)
    check("settings that change what follows are steps",
          settings.returncode == 0 and settings.stdout.splitlines()[1:] ==
          ["Mode: Octal", "Mode: Financial", "Rates: bank 8 %, discount 5 %"], settings)

    before = tape.read_bytes()
    unknown = run("--tape", str(tape), "--print-tape=xml", "1", cwd=work)
    check("an unknown tape format is a usage error that leaves the tape alone",
          unknown.returncode == 2 and "xml" in unknown.stderr and tape.read_bytes() == before,
          unknown)

    blocked = pathlib.Path(work) / "plain"
    blocked.write_text("x")
    unwritable = run("--tape", str(blocked / "t.txt"), "1", cwd=work)
    check("a tape that cannot be written exits 1 naming it",
          unwritable.returncode == 1 and str(blocked / "t.txt") in unwritable.stderr, unwritable)

for name in failures:
    print("FAILED:", name)
sys.exit(1 if failures else 0)
