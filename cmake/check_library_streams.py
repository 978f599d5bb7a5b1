#!/usr/bin/env python3
"""The libraries below the hosts write to no stream of their own: their
messages go through the host's MessageSink or RuntimeProblemPresenter. Fails
when a source file under one of the folders names standard output or standard
error, or a C call that writes there.

    check_library_streams.py FOLDER...
"""

import pathlib
import re
import sys

STREAM = re.compile(
    r"\b(std::(cerr|cout|clog)|stderr|stdout|perror|fprintf|printf|puts|fputs)\b(?!-)")
COMMENT = re.compile(r"//.*")

bad = []
for folder in map(pathlib.Path, sys.argv[1:]):
    for path in sorted(folder.rglob("*.cpp")) + sorted(folder.rglob("*.h")):
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            if STREAM.search(COMMENT.sub("", line)):
                bad.append(f"{path}:{number}: {line.strip()}")
if bad:
    sys.exit("a library writes to a stream of its own:\n  " + "\n  ".join(bad))
