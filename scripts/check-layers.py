#!/usr/bin/env python3
"""Checks the layering of the sources against the libraries of src/CMakeLists.txt.

Every folder of src/ is one library (quillkit_layer(TARGET FOLDER)); a folder may
include its own headers and those of the libraries its library links, directly or
through them. Fails when an include reaches any other folder, when the links form a
circle, when a core folder includes a Qt header, or when two files of the project
differ only in letter case (a checkout on a case-insensitive file system could not
hold both).

usage: check-layers.py PROJECT_DIR
"""

import os
import re
import sys

# Built without Qt, for the command line, the fuzzers and the Windows build.
CORE = {"base", "wavesets", "host", "document", "cli"}


def read_layers(cmake_text):
    folders = dict(re.findall(r"quillkit_layer\(\s*(\w+)\s+(\w+)\s*\)", cmake_text))
    links = {target: set() for target in folders}
    for target, libraries in re.findall(
        r"target_link_libraries\(\s*(\w+)\s+([^)]*)\)", cmake_text
    ):
        if target in links:
            links[target] |= {name for name in libraries.split() if name in folders}
    return folders, links


def find_circle(links):
    state = {}

    def visit(target, path):
        state[target] = "open"
        for linked in sorted(links[target]):
            if state.get(linked) == "open":
                return path + [target, linked]
            if linked not in state:
                found = visit(linked, path + [target])
                if found:
                    return found
        state[target] = "done"
        return None

    for target in sorted(links):
        if target not in state:
            found = visit(target, [])
            if found:
                return found
    return None


def reachable(links, target):
    seen, todo = set(), [target]
    while todo:
        for linked in links[todo.pop()]:
            if linked not in seen:
                seen.add(linked)
                todo.append(linked)
    return seen


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    project = sys.argv[1]
    src = os.path.join(project, "src")
    with open(os.path.join(src, "CMakeLists.txt"), encoding="utf-8") as cmake:
        folders, links = read_layers(cmake.read())
    problems = []
    if not folders:
        problems.append("no quillkit_layer() found in src/CMakeLists.txt")

    circle = find_circle(links)
    if circle:
        problems.append("the libraries link in a circle: " + " -> ".join(circle))

    allowed = {}
    for target, folder in folders.items():
        allowed[folder] = {folder} | {folders[t] for t in reachable(links, target)}

    include = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')
    for folder in sorted(os.listdir(src)):
        directory = os.path.join(src, folder)
        if not os.path.isdir(directory):
            continue
        if folder not in allowed:
            problems.append(f"src/{folder}/ is no library of src/CMakeLists.txt")
            continue
        for name in sorted(os.listdir(directory)):
            path = os.path.join(directory, name)
            with open(path, encoding="utf-8", errors="replace") as source:
                for number, line in enumerate(source, 1):
                    match = include.match(line)
                    if not match:
                        continue
                    kind, header = match.groups()
                    where = f"src/{folder}/{name}:{number}"
                    if kind == "<" and folder in CORE and re.match(r"Q[A-Za-z]", header):
                        problems.append(f"{where}: the core includes Qt's <{header}>")
                    top = header.split("/")[0]
                    if kind == '"' and "/" in header and top in allowed:
                        if top not in allowed[folder]:
                            problems.append(
                                f"{where}: {folder}/ includes {header}, a folder it does not link"
                            )

    seen = {}
    for root, dirs, files in os.walk(project):
        dirs[:] = [d for d in dirs if not d.startswith(".") and not d.startswith("build")]
        for name in dirs + files:
            path = os.path.relpath(os.path.join(root, name), project)
            other = seen.setdefault(path.lower(), path)
            if other != path:
                problems.append(f"{other} and {path} differ only in letter case")

    for problem in problems:
        print(problem, file=sys.stderr)
    layers = ", ".join(f"{folder} ({len(allowed[folder]) - 1} below)" for folder in sorted(allowed))
    print(f"{len(allowed)} layers: {layers}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
