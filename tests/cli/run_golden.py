#!/usr/bin/env python3
"""Runs golden key files through zentra-cli.

Each line of a .keys file is one run: `ARGUMENTS => EXPECTED`. ARGUMENTS are
split as a shell would (so "(" can be quoted); `@state` stands for one state file
shared by the lines of the file, so a calculation can go on across runs (also
inside an argument: `@state/x` is a path below a plain file). EXPECTED is the
exact output line, or `exit N` for the exit status alone, or `exit N: TEXT`
for the status and a message that standard error must contain.
Blank lines and lines starting with # are skipped.
"""
import pathlib
import shlex
import subprocess
import sys
import tempfile


def run_file(cli: str, path: pathlib.Path) -> int:
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        state = str(pathlib.Path(work) / "state.ini")
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            arguments, _, expected = line.partition(" => ")
            args = [a.replace("@state", state) for a in shlex.split(arguments)]
            result = subprocess.run([cli, *args], cwd=work, capture_output=True, text=True,
                                    timeout=60)
            if expected.startswith("exit "):
                code, _, message = expected[5:].partition(": ")
                message = message.replace("@state", state)
                ok = result.returncode == int(code) and message in result.stderr
                actual = f"exit {result.returncode}"
            else:
                actual = result.stdout.rstrip("\n")
                ok = result.returncode == 0 and actual == expected
            if not ok:
                failures += 1
                print(f"{path.name}:{number}: {arguments}\n  expected: {expected!r}\n"
                      f"  actual:   {actual!r}\n  stderr:   {result.stderr.strip()!r}")
    return failures


def main() -> int:
    cli, folder = sys.argv[1], pathlib.Path(sys.argv[2])
    files = sorted(folder.glob("*.keys"))
    failures = sum(run_file(cli, f) for f in files)
    print(f"{len(files)} golden files, {failures} failures")
    return 1 if failures or not files else 0


if __name__ == "__main__":
    sys.exit(main())
