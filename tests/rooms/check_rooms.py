#!/usr/bin/env python3
"""Holds every #include under src/ to the order of the rooms that
src/framework/README.md lists: a room includes only itself and the rooms
listed before it; a backend includes only the rooms the README allows it; no
other room includes a backend. Prints one line per wrong include (file:line,
what it includes and why that is wrong) and exits non-zero when there is one.
    check_rooms.py SRC_DIR
"""
import os
import re
import sys

NUMBERED = re.compile(r"^\s*\d+\.\s+`([a-z0-9]+)/`")
BACKEND = re.compile(r"^\s*-\s+`([a-z0-9]+)/`")
NAMED = re.compile(r"`([a-z0-9]+)/`")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/(?:([^"/]+)/)?')


def read_map(readme):
    """The rooms, lowest first, and for each backend the rooms it may include,
    as the README's "Rooms" and "Backends" sections give them."""
    rooms, backends, section = [], {}, None
    with open(readme, encoding="utf-8") as text:
        for line in text:
            if line.startswith("## "):
                section = line[3:].strip()
            elif section == "Rooms" and (m := NUMBERED.match(line)):
                rooms.append(m.group(1))
            elif section == "Backends" and (m := BACKEND.match(line)):
                backends[m.group(1)] = set()
            elif section == "Backends" and line.startswith("A backend includes only"):
                for backend in backends.values():
                    backend.update(NAMED.findall(line))
            elif section == "Backends" and (m := re.match(r"`([a-z0-9]+)/` also includes", line)):
                backends[m.group(1)].update(NAMED.findall(line)[1:])
    return rooms, backends


def room_of(parts):
    """The room of a path below src/, as a list of its parts."""
    return parts[1] if parts[0] == "framework" and len(parts) > 2 else parts[0]


def check(src, rooms, backends):
    rank = {room: i for i, room in enumerate(rooms)}
    faults = []
    for folder, _, files in os.walk(src):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(folder, name)
            here = room_of(os.path.relpath(path, src).split(os.sep))
            with open(path, encoding="utf-8") as text:
                for number, line in enumerate(text, 1):
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    there = m.group(2) if m.group(1) == "framework" else m.group(1)
                    if there == here or (there not in rank and there not in backends):
                        continue
                    why = None
                    if here in backends:
                        if there not in backends[here]:
                            why = f"a backend includes only {', '.join(sorted(backends[here]))}"
                    elif there in backends:
                        why = "only a backend includes a backend"
                    elif here in rank and rank[there] > rank[here]:
                        why = f"{there}/ is above {here}/"
                    if why:
                        faults.append(f"{os.path.relpath(path, src)}:{number}: includes {there}/: {why}")
    return faults


def main():
    src = sys.argv[1]
    rooms, backends = read_map(os.path.join(src, "framework", "README.md"))
    if not rooms or not backends:
        print("src/framework/README.md lists no rooms or no backends")
        return 1
    faults = check(src, rooms, backends)
    for fault in faults:
        print(fault)
    print(f"{len(faults)} includes against the order of the rooms")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
