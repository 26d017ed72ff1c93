#!/usr/bin/env python3
"""Fails when the folders of src/ include each other in a cycle.

Each folder of src/ is a room (view/geometry, view/paint and view/motion are
rooms of their own). A quoted include of a file in another room is an edge
from the including room to the included one; any cycle in that graph is
printed with one include line per step and the script exits with status 1.
"""

import os
import re
import sys

SPLIT_ROOMS = {"view"}  # folders whose subfolders are rooms of their own
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")


def room_of(relative_path):
    parts = relative_path.split("/")
    if len(parts) < 2:
        return None
    if parts[0] in SPLIT_ROOMS and len(parts) > 2:
        return parts[0] + "/" + parts[1]
    return parts[0]


def include_edges(src):
    """Maps (from_room, to_room) to the first 'file: include' line seen."""
    edges = {}
    for directory, _, files in os.walk(src):
        for name in sorted(files):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(directory, name)
            relative = os.path.relpath(path, src).replace(os.sep, "/")
            here = room_of(relative)
            if here is None:
                continue
            with open(path, encoding="utf-8", errors="replace") as source:
                for number, line in enumerate(source, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    target = match.group(1)
                    if not os.path.exists(os.path.join(src, target)):
                        continue  # a sibling include or a generated file
                    there = room_of(target)
                    if there is None or there == here:
                        continue
                    edges.setdefault((here, there), f"{relative}:{number}: #include \"{target}\"")
    return edges


def strongly_connected(nodes, successors):
    """Tarjan's algorithm; returns the components with more than one room."""
    index, low, on_stack, stack, result = {}, {}, set(), [], []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for follower in successors.get(node, ()):
            if follower not in index:
                visit(follower)
                low[node] = min(low[node], low[follower])
            elif follower in on_stack:
                low[node] = min(low[node], index[follower])
        if low[node] == index[node]:
            component = []
            while True:
                top = stack.pop()
                on_stack.discard(top)
                component.append(top)
                if top == node:
                    break
            if len(component) > 1:
                result.append(sorted(component))

    for node in sorted(nodes):
        if node not in index:
            visit(node)
    return result


def shortest_cycle(component, successors):
    """A shortest cycle through the component's first room, for the report."""
    start = component[0]
    members = set(component)
    paths = {start: [start]}
    queue = [start]
    while queue:
        node = queue.pop(0)
        for follower in sorted(successors.get(node, ())):
            if follower not in members:
                continue
            if follower == start:
                return paths[node] + [start]
            if follower not in paths:
                paths[follower] = paths[node] + [follower]
                queue.append(follower)
    return [start]


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src")
    if not os.path.isdir(src):
        print(f"no source folder at {src}")
        return 2
    edges = include_edges(src)
    successors = {}
    for here, there in edges:
        successors.setdefault(here, set()).add(there)
    nodes = set(successors) | {there for _, there in edges}
    cycles = strongly_connected(nodes, successors)
    for component in cycles:
        cycle = shortest_cycle(component, successors)
        print("include cycle between folders: " + " -> ".join(cycle))
        print("  rooms tangled together: " + ", ".join(component))
        for here, there in zip(cycle, cycle[1:]):
            print("  " + edges[(here, there)])
    return 1 if cycles else 0


if __name__ == "__main__":
    sys.exit(main())
