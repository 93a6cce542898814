#!/usr/bin/python3
"""Reads the running program through the accessibility bus (AT-SPI), as Linux screen readers
read it, and checks the names they would speak: the tool buttons, the variable-count box, the
map and a map cell with its description; then types "1" into that cell and presses F5 as a
user does, and checks the cell's new name and the result tree's lines.

Run it inside a virtual display and a private D-Bus session, which starts the accessibility
bus on demand (scripts/accessibility-check.sh does this):

    xvfb-run -a dbus-run-session -- /usr/bin/python3 scripts/accessibility-check.py bin/lorvane

Needs the Debian packages xvfb, xauth, dbus-daemon, at-spi2-core, python3-pyatspi and xdotool,
and the system python, which has the bindings. Prints what it read; exit status 1 when a name is wrong.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

TOOL_BUTTONS = ["Open Map", "Save as...", "FormulaInput", "Set's Fill", "Truth Table ",
                "1", "0", "Fill with *", "Clear Map", "Go", "Options"]
CELL_DESCRIPTION = "row 01 (A B), column 11 (C D), minterm 7"


def walk(node, depth=0):
    """Every accessible object below `node`, `node` first."""
    yield node
    if depth > 20:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def find_application(name, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and name in (app.name or "").lower():
                frames = [f for f in walk(app) if f.getRoleName() == "frame"]
                if frames:
                    return app
        time.sleep(0.25)
    return None


class Check:
    def __init__(self):
        self.failures = 0

    def equal(self, what, found, expected):
        ok = found == expected
        self.failures += not ok
        print(f"{'ok  ' if ok else 'FAIL'} {what}: {found!r}" + ("" if ok else f", expected {expected!r}"))

    def present(self, what, found):
        self.failures += not found
        print(f"{'ok  ' if found else 'FAIL'} {what}" + ("" if found else ": missing"))


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--delay", "80", name], check=False)
        time.sleep(0.4)


def click(node):
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(extents.x + extents.width // 2),
                    str(extents.y + extents.height // 2), "click", "1"], check=False)
    time.sleep(0.4)


def check_typing_and_result(app, table, check):
    """Types 1 into the cell of minterm 7, analyzes, and reads the cell and the result tree."""
    click(table.getAccessibleAt(1, 2))
    keys("1", "Right")
    check.equal("cell name after typing", table.getAccessibleAt(1, 2).name, "1")
    keys("F5")
    keys("Return")  # closes "Analyze Complete."
    trees = [o for o in walk(app) if o.getRoleName() in ("tree", "tree table")]
    check.equal("result tree", trees[0].name if trees else None, "Result")
    if not trees:
        return
    lines = [o.name for o in walk(trees[0]) if o.getRoleName() in ("tree item", "table cell")]
    check.equal("result lines", [line for line in lines if line], ["|A*B*C*D", "|A*B*C*D"])


def check_main_window(app, check):
    objects = list(walk(app))
    buttons = [o.name for o in objects if o.getRoleName() == "push button"]
    for name in TOOL_BUTTONS:
        check.present(f"tool button {name!r}", name in buttons)
    texts = [o for o in objects if o.getRoleName() == "text" and o.name == "Number of Variables"]
    check.present("count box 'Number of Variables'", bool(texts))
    if texts:
        check.equal("count box value", texts[0].queryText().getText(0, -1), "4")
    tables = [o for o in objects if o.getRoleName() == "table" and o.name == "Karnaugh map"]
    check.present("map 'Karnaugh map'", bool(tables))
    if not tables:
        return
    table = tables[0].queryTable()
    check.equal("map size", (table.nRows, table.nColumns), (4, 4))
    cell = table.getAccessibleAt(1, 2)
    check.equal("cell name", cell.name, "")
    check.equal("cell description", cell.description, CELL_DESCRIPTION)
    check.equal("row header", table.getRowHeader(1).name if table.getRowHeader(1) else None, "01")
    check_typing_and_result(app, table, check)


def main(argv):
    if len(argv) != 2:
        print(__doc__)
        return 2
    folder = tempfile.mkdtemp()
    # The program writes its settings and language file beside itself: run a copy.
    shutil.copytree(os.path.dirname(os.path.abspath(argv[1])), folder + "/bin")
    # Asking the registry for the desktop starts the accessibility bus and its registry before
    # the program looks for them; on a busy machine a program started first could miss them.
    pyatspi.Registry.getDesktop(0).childCount
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    program = subprocess.Popen([folder + "/bin/" + os.path.basename(argv[1])], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    check = Check()
    try:
        app = find_application("lorvane")
        if app is None:
            print("FAIL the program did not appear on the accessibility bus")
            return 1
        time.sleep(1.0)
        check_main_window(app, check)
    finally:
        program.terminate()
        try:
            program.wait(timeout=5)
        except subprocess.TimeoutExpired:
            program.kill()
        shutil.rmtree(folder, ignore_errors=True)
    print("All names as expected." if check.failures == 0 else f"{check.failures} names wrong.")
    return 1 if check.failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
