"""Reads the program's accessible tree as a screen reader does, over AT-SPI.

Usage: a11y_tree.py PROGRAM. Run inside a private D-Bus session with an X display: starts
the program, waits for it on the accessibility bus and checks that the picture buttons are
named push buttons, that every input control is named, that the grid has no "id" headers
and that the drop-down's day cells read their dates. Exits 1 with the reasons on failure.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []


def check(ok, message):
    if not ok:
        failures.append(message)
    return ok


def wait_for(find, seconds=15):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    return None


def the_app(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def walk(node, depth=0):
    yield node
    if depth < 12:
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                yield from walk(child, depth + 1)


def find(root, role, name=None):
    for node in walk(root):
        if node.getRoleName() == role and (name is None or node.name == name):
            return node
    return None


def labelled_by(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if check("Press" in names, f"{node.name}: no press action ({names})"):
        action.doAction(names.index("Press"))


def check_buttons(app):
    for label in ["开始取名", "小名取名", "叠字取名", "宠物取名", "官方网站"]:
        check(find(app, "push button", label) is not None, f"no push button named {label}")


INPUT_ROLES = {"text", "combo box", "push button", "spin button", "check box", "table"}


def check_inputs_named(app):
    for node in walk(app):
        if node.getRoleName() in INPUT_ROLES:
            # On this platform a combo box reads its text as its name and its label through
            # the labelled-by relation, as the desktop's own toolkits do.
            named = node.name.strip() or any(n.strip() for n in labelled_by(node))
            check(named, f"unnamed {node.getRoleName()}")
    for name in ["宝宝姓氏", "宝宝性别", "名字字数", "宝宝生日", "时辰"]:
        check(any(n.name == name for n in walk(app)), f"no control named {name}")
    for label in ["宝宝性别：", "名字字数：", "时"]:
        combos = [n for n in walk(app) if n.getRoleName() == "combo box"]
        check(any(label in labelled_by(c) for c in combos), f"no combo box labelled {label}")


def check_grid(app):
    press(find(app, "push button", "开始取名"))
    grid = find(app, "table", "推荐名字")
    if not check(grid is not None, "no table named 推荐名字"):
        return
    table = grid.queryTable()
    check(wait_for(lambda: table.nRows or None, 5) is not None, "开始取名 left the grid empty")
    for column in range(table.nColumns):
        header = table.getColumnHeader(column)
        texts = [table.getColumnDescription(column), header.name if header else ""]
        check("id" not in texts, f"column {column} is read as 'id'")
    cell = table.getAccessibleAt(0, 0)
    check(cell is not None and cell.name and cell.description.startswith(cell.name),
          "the first name's cell has no name and description")


DAY = re.compile(r"^\d{1,4}年\d{1,2}月\d{1,2}日 星期[日一二三四五六] 农历\S+")


def check_day_grid(app):
    press(find(app, "push button", "打开日历"))
    grid = wait_for(lambda: find(app, "table", "日期"), 5)
    if not check(grid is not None, "the drop-down shows no day table"):
        return
    table = grid.queryTable()
    check((table.nRows, table.nColumns) == (6, 7), f"day table {table.nRows}x{table.nColumns}")
    check(table.getColumnDescription(0) == "星期日", "the first column is not 星期日")
    cells = [table.getAccessibleAt(r, c) for r in range(table.nRows) for c in range(table.nColumns)]
    days = [c for c in cells if c is not None and DAY.match(c.name)]
    check(len(days) >= 28, f"only {len(days)} day cells read their date")
    selected = [c for c in days if c.getState().contains(pyatspi.STATE_SELECTED)]
    if check(len(selected) == 1, f"{len(selected)} selected day cells"):
        check_focus_follows(grid, selected[0].name)


def check_focus_follows(grid, selected):
    """With the day grid focused, an arrow key moves the reader's focus to the next day."""
    focused = []

    def on_focus(event):
        if event.detail1 == 1 and event.source.getRoleName() == "table cell":
            focused.append(event.source.name)

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    action = grid.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if check("SetFocus" in names, f"the day grid cannot take the focus ({names})"):
        action.doAction(names.index("SetFocus"))
    pump(0.5)
    day = int(re.match(r"\d+年\d+月(\d+)日", selected).group(1))
    key = "Left" if day > 20 else "Right"
    focused.clear()
    subprocess.run(["xdotool", "key", key], check=False)
    pump(3, until=lambda: focused)
    want = day - 1 if key == "Left" else day + 1
    check(any(re.match(rf"\d+年\d+月{want}日", n) for n in focused),
          f"{key} from day {day} focused {focused}, not day {want}")
    pyatspi.Registry.deregisterEventListener(on_focus, "object:state-changed:focused")


def pump(seconds, until=lambda: False):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end and not until():
        while context.iteration(False):
            pass
        time.sleep(0.05)


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        name = os.path.basename(sys.argv[1])
        app = wait_for(lambda: the_app(name) or (False if program.poll() is not None else None), 30)
        if not app:
            status = program.poll()
            print("a11y_tree: the program " + (f"ended with status {status}" if status is not None
                                               else "never showed up on the accessibility bus"))
            return 1
        wait_for(lambda: find(app, "push button", "官方网站"), 10)
        check_buttons(app)
        check_inputs_named(app)
        check_grid(app)
        check_day_grid(app)
    finally:
        program.terminate()
        program.wait(10)
    for message in failures:
        print("a11y_tree:", message)
    print("a11y_tree:", "failed" if failures else "passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
