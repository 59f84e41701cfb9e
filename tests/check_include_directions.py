#!/usr/bin/env python3
"""Checks which module may include which, over the whole source tree.

Layers, bottom up:
  core      every file of the core library (the list CMake writes), every
            header such a file includes, and all of platform, resources,
            config, db and log: standard C++ only, includes only the core.
  gui       src/gui: includes the core and itself.
  features  the other files of confui, records, service and stats: include
            the core, gui and their own module, never app or another
            feature's widgets.
  app       src/app: the application and main window; only main.cpp, the
            composition root, includes the features.
  cli       src/cli: the core only.

Usage: check_include_directions.py <src dir> <core file list> [--graph]
--graph prints the module graph and its cycles instead of checking.
"""
import os
import re
import sys

CORE_MODULES = {"platform", "resources", "config", "db", "log"}
FEATURES = {"confui", "records", "service", "stats"}
COMPOSITION_ROOT = "app/main.cpp"

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^(Q[A-Za-z]|qt)")


def read_includes(path):
    local, system = [], []
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            m = INCLUDE.match(line)
            if m:
                (local if m.group(1) == '"' else system).append(m.group(2))
    return local, system


def main():
    src = os.path.abspath(sys.argv[1])
    with open(sys.argv[2], encoding="utf-8") as f:
        listed = {os.path.relpath(os.path.abspath(l.strip()), src) for l in f if l.strip()}
    graph_only = "--graph" in sys.argv

    files = {}
    for directory, _, names in os.walk(src):
        for name in names:
            if name.endswith((".h", ".cpp")):
                rel = os.path.relpath(os.path.join(directory, name), src).replace(os.sep, "/")
                files[rel] = read_includes(os.path.join(directory, name))

    def resolve(includer, target):
        if target in files:
            return target
        sibling = os.path.normpath(os.path.join(os.path.dirname(includer), target))
        return sibling.replace(os.sep, "/") if sibling in files else None

    # The core: the listed sources, what they include, the pure core modules.
    core = {f for f in files if f in listed or f.split("/")[0] in CORE_MODULES}
    pending = list(core)
    while pending:
        for target in files[pending.pop()][0]:
            found = resolve("", target)
            if found and found not in core:
                core.add(found)
                pending.append(found)

    def layer(f):
        if f in core:
            return "core"
        return f.split("/")[0]

    if graph_only:
        edges = {}
        for f, (local, _) in files.items():
            for target in local:
                found = resolve(f, target)
                if found and found.split("/")[0] != f.split("/")[0]:
                    edges.setdefault(f.split("/")[0], set()).add(found.split("/")[0])
        for module in sorted(edges):
            print(module, "->", ", ".join(sorted(edges[module])))
        return 0

    faults = []
    for f, (local, system) in sorted(files.items()):
        own = layer(f)
        module = f.split("/")[0]
        if own in ("core", "cli"):
            faults += [f"{f}: Qt header <{h}> in the core" for h in system if QT_HEADER.match(h)]
        for target in local:
            found = resolve(f, target)
            if not found:
                continue
            other = layer(found)
            allowed = other == "core"
            if own == "cli":
                allowed = allowed or module == "cli"
            elif own == "gui":
                allowed = allowed or other == "gui"
            elif module in FEATURES and own != "core":
                allowed = allowed or other == "gui" or found.split("/")[0] == module
            elif own == "app":
                allowed = allowed or other in ("gui", "app") or (
                    f == COMPOSITION_ROOT and found.split("/")[0] in FEATURES)
            if not allowed:
                faults.append(f"{f} ({own}) includes {found} ({other})")
    for fault in faults:
        print(fault)
    print(f"{len(files)} files, {len(core)} in the core, {len(faults)} wrong includes")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
