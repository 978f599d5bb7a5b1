#!/usr/bin/env python3
"""The engine's modules form a DAG: fails when one includes another that
includes it back, directly or through others, or when a source file has no
header of its own name.

A module is a header and the source file of the same name; it depends on every
module whose header either of them includes ("engine/x.h").

    check_engine_modules.py ENGINE_DIR [--print]

--print writes the module graph, one module and what it includes per line.
"""

import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"engine/([A-Za-z0-9_]+)\.h"', re.MULTILINE)


def module_graph(folder):
    graph = {}
    for path in sorted(folder.glob("*.h")) + sorted(folder.glob("*.cpp")):
        deps = graph.setdefault(path.stem, set())
        deps.update(m for m in INCLUDE.findall(path.read_text(encoding="utf-8")) if m != path.stem)
    return graph


def cycles(graph):
    """The strongly connected components with more than one module (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for dep in sorted(graph.get(node, ())):
            if dep not in index:
                visit(dep)
                low[node] = min(low[node], low[dep])
            elif dep in on_stack:
                low[node] = min(low[node], index[dep])
        if low[node] == index[node]:
            component = []
            while True:
                top = stack.pop()
                on_stack.discard(top)
                component.append(top)
                if top == node:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    sys.setrecursionlimit(10000)
    for node in sorted(graph):
        if node not in index:
            visit(node)
    return found


def main(argv):
    folder = pathlib.Path(argv[1])
    graph = module_graph(folder)
    if "--print" in argv:
        for module in sorted(graph):
            print(f"{module}: {' '.join(sorted(graph[module]))}")
    problems = []
    for source in sorted(folder.glob("*.cpp")):
        if not source.with_suffix(".h").exists():
            problems.append(f"{source.name} has no header of its own name")
    for component in cycles(graph):
        problems.append("modules that include each other: " + " ".join(component))
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
