#!/usr/bin/env python3
"""Checks the includes of every source folder against the folder table of ARCHITECTURE.md.

The table's rows name a folder, what it holds, the folders it may include and whether it may
use Qt. A folder may also include what those folders may include. The check fails when
  - a folder holding sources is not in the table, or the table's own arrows form a cycle;
  - a file includes a project header of a folder its folder may not include, or one that
    does not exist;
  - a file of a folder without Qt includes a Qt header;
  - headers and sources include each other in a circle, across folders or inside one.
Test, benchmark and fuzz folders use whatever they test and are not checked.

usage: check-layers.py [ROOT]   (default: the repository the script lives in)
"""

import os
import re
import sys
from pathlib import Path

UNCHECKED = {"tests", "bench", "fuzz", "data", "examples", "cmake", "scripts"}
SOURCE_SUFFIXES = {".h", ".cpp"}
ROW = re.compile(r"^\|\s*`([^`]+)/`\s*\|[^|]*\|([^|]*)\|\s*(yes|no)\s*\|\s*$")
LOCAL_INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
QT_INCLUDE = re.compile(r"^\s*#\s*include\s+<(Q[A-Za-z]*|Qt[A-Za-z]*/[^>]*)>", re.M)


def read_table(root):
    """Folder -> (may include, Qt allowed), from the rows of ARCHITECTURE.md."""
    table = {}
    for line in (root / "ARCHITECTURE.md").read_text(encoding="utf-8").splitlines():
        match = ROW.match(line)
        if not match:
            continue
        folder, uses, qt = match.groups()
        allowed = {name.strip().strip("`").rstrip("/") for name in uses.split(",")}
        table[folder] = ({name for name in allowed if name and name != "—"}, qt == "yes")
    return table


def source_files(root):
    for dirpath, dirnames, filenames in os.walk(root):
        here = Path(dirpath).relative_to(root)
        dirnames[:] = [d for d in dirnames if not d.startswith((".", "build"))
                       and not (here == Path(".") and d in UNCHECKED)]
        for name in filenames:
            if Path(name).suffix in SOURCE_SUFFIXES:
                yield (here / name).as_posix()


def reachable(table, folder):
    """The folders `folder` may include: those it names, and theirs in turn."""
    seen, todo = set(), list(table[folder][0])
    while todo:
        name = todo.pop()
        if name in seen or name not in table:
            continue
        seen.add(name)
        todo.extend(table[name][0])
    return seen


def folder_of(path):
    return path.rsplit("/", 1)[0] if "/" in path else "."


def unit_of(path):
    """A header and its source are one unit, and so is its internal header (XInternal.h)."""
    stem = path.rsplit(".", 1)[0]
    return stem[: -len("Internal")] if stem.endswith("Internal") else stem


def cycles(graph):
    """Strongly connected components with more than one member (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for succ in sorted(graph.get(node, ())):
            if succ not in index:
                visit(succ)
                low[node] = min(low[node], low[succ])
            elif succ in on_stack:
                low[node] = min(low[node], index[succ])
        if low[node] == index[node]:
            component = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                component.append(member)
                if member == node:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    sys.setrecursionlimit(10000)
    for node in sorted(graph):
        if node not in index:
            visit(node)
    return found


def check(root):
    table = read_table(root)
    problems = []
    if not table:
        return ["ARCHITECTURE.md has no folder table"]
    for folder, (allowed, _) in sorted(table.items()):
        for name in sorted(allowed - set(table)):
            problems.append(f"ARCHITECTURE.md: {folder}/ may include {name}/, which it does not list")
    for cycle in cycles({folder: allowed for folder, (allowed, _) in table.items()}):
        problems.append("ARCHITECTURE.md: the folders " + ", ".join(f"{f}/" for f in cycle)
                        + " may include each other in a circle")

    files = sorted(source_files(root))
    may_include = {folder: reachable(table, folder) for folder in table}
    units = {}
    for path in files:
        folder = folder_of(path)
        if folder not in table:
            problems.append(f"{path}: its folder {folder}/ is not in the table of ARCHITECTURE.md")
            continue
        allowed, qt = may_include[folder], table[folder][1]
        text = (root / path).read_text(encoding="utf-8", errors="replace")
        if not qt and (qt_include := QT_INCLUDE.search(text)):
            problems.append(f"{path}: includes <{qt_include.group(1)}>, but {folder}/ may not use Qt")
        for included in LOCAL_INCLUDE.findall(text):
            target = folder_of(included)
            if not (root / included).is_file():
                problems.append(f'{path}: includes "{included}", which is no file of the project')
                continue
            if target != folder and target not in allowed:
                problems.append(f'{path}: includes "{included}", but {folder}/ may not include {target}/')
            if unit_of(included) != unit_of(path):
                units.setdefault(unit_of(path), set()).add(unit_of(included))
    for cycle in cycles(units):
        problems.append("these units include each other in a circle: " + ", ".join(cycle))
    return problems


def main():
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent
    problems = check(root)
    for problem in problems:
        print(problem)
    if problems:
        print(f"Layering: {len(problems)} problem(s); ARCHITECTURE.md says which folder may use which.")
        return 1
    print("Layering: every include follows the folder table of ARCHITECTURE.md; no include cycle.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
