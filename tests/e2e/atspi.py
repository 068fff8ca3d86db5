#!/usr/bin/python3
"""Reads a running program's accessibility tree over the AT-SPI bus, as a
screen reader does. The end-to-end tests call it between key presses:

  atspi.py tree APP                 the tree, one object a line, indented by depth:
                                    "role | name" (name empty: "role |")
  atspi.py focus APP                the focused object's line ("list | Column 3: ...")
  atspi.py wait APP REGEX [SECONDS] waits until a line of the tree matches REGEX
                                    (re.search, default 10 s) and prints it

APP is the program's name as it registers on the bus (case does not matter).
The program must run with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 on the session
bus that lib.sh's start_a11y_bus made. Exit status 1 with a message when the
program or the line is not found in time.
"""
import re
import sys
import time

import pyatspi


def find_app(name, seconds=20):
    deadline = time.monotonic() + seconds
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and (app.name or "").lower() == name.lower():
                return app
        if time.monotonic() > deadline:
            names = [a.name for a in desktop if a is not None]
            sys.exit(f"no application '{name}' on the accessibility bus (found: {names})")
        time.sleep(0.2)


def line(obj):
    return f"{obj.getRoleName()} | {obj.name or ''}".rstrip()


def walk(obj, depth=0):
    """Yields (depth, object) over the showing part of the tree: what a reader
    can reach. Menus that are closed are left out, they are not on screen."""
    yield depth, obj
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is None:
            continue
        if child.getRole() in (pyatspi.ROLE_MENU, pyatspi.ROLE_POPUP_MENU) and depth > 2:
            continue
        yield from walk(child, depth + 1)


def fresh(app):
    # The bus client keeps names it has read; a move changes them under it.
    app.clear_cache()
    return app


def tree(app):
    return [("  " * depth) + line(obj) for depth, obj in walk(fresh(app))]


def focused(app):
    """The deepest focused object: a card inside its pile, a pile inside the view."""
    found = None
    for _, obj in walk(fresh(app)):
        if obj.getState().contains(pyatspi.STATE_FOCUSED):
            found = obj
    return found


def main(argv):
    if len(argv) < 3 or argv[1] not in ("tree", "focus", "wait"):
        sys.exit(__doc__)
    app = find_app(argv[2])
    if argv[1] == "tree":
        print("\n".join(tree(app)))
    elif argv[1] == "focus":
        obj = focused(app)
        print(line(obj) if obj is not None else "(no focus)")
    else:
        pattern = re.compile(argv[3])
        deadline = time.monotonic() + (float(argv[4]) if len(argv) > 4 else 10)
        while True:
            lines = tree(app)
            hits = [l.strip() for l in lines if pattern.search(l)]
            if hits:
                print(hits[0])
                return
            if time.monotonic() > deadline:
                sys.exit(f"no line matches /{argv[3]}/ in:\n" + "\n".join(lines))
            time.sleep(0.1)


if __name__ == "__main__":
    main(sys.argv)
