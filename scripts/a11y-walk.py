#!/usr/bin/python3
"""Walks the accessibility tree of a running Tarvo over AT-SPI, window by window, as a
screen reader sees it. Opens each window with the keyboard (xdotool), prints the role and
name of every control that can take the keyboard focus, and fails when one of them has no
name or when a name a window must have is missing.

Run by scripts/a11y-check inside a private D-Bus session with the accessibility bus and an
X server; needs Debian's python3-pyatspi, hence /usr/bin/python3.
"""
import os
import subprocess
import sys

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "lib"))
from atspi_tree import APP_NAME, find_app, find_window, wait_for, walk  # noqa: E402


# Names that must be there, by window title: the controls without a label of their own.
EXPECTED_NAMES = {
    "Tarvo": ["Type:", "Units:", "Numbers:", "To unit", "To number"],
    "About Tarvo": ["OK"],
    "DAVORU Units Solver": [
        "A amount of the first relation",
        "B amount of the first relation",
        "B amount of the second relation",
        "C amount of the second relation",
        "A amount asked",
        "C amount answered",
        "Close",
    ],
    "Options": [
        "Reload last units",
        "Always on top",
        "Decimal precision:",
        "Increase decimal precision",
        "Decrease decimal precision",
        "Type:",
        "Unit:",
        "Coefficient (amount in 1 base):",
        "Base (coefficient = 1):",
        "Remove Type",
        "Update Unit",
        "Add Unit",
        "Remove Unit",
        "Defaults",
        "Import units",
        "Export units",
        "Unit sets",
    ],
    "Unit Sets": ["Force (14 units)", "Add", "Cancel"],
    "Quick Conversion": ["Conversion", "Matches"],
    "Tarvo Help": ["Close", "Help text"],
}


def is_combo_popup(accessible):
    # A combo box's drop-down list is spoken with the combo box's name.
    parent = accessible.parent
    return (accessible.getRole() == pyatspi.ROLE_LIST and parent is not None
            and parent.getRole() == pyatspi.ROLE_COMBO_BOX)


def check_window(app, title):
    """Prints the focusable controls of the window; returns the problems found and the
    number of checks made (one per focusable control and per name the window must have)."""
    window = wait_for("the window " + repr(title), lambda: find_window(app, title))
    print("window %r" % title)
    problems = []
    checks = 0
    names = set()
    for accessible in walk(window):
        names.add(accessible.name)
        if not accessible.getState().contains(pyatspi.STATE_FOCUSABLE):
            continue
        if accessible.getRole() == pyatspi.ROLE_LIST_ITEM or is_combo_popup(accessible):
            continue
        print("  %-12s %r" % (accessible.getRoleName(), accessible.name))
        checks += 1
        if not accessible.name.strip():
            problems.append("%s: a focusable %s has no name" % (title, accessible.getRoleName()))
    for name in EXPECTED_NAMES.get(title, []):
        checks += 1
        if name not in names:
            problems.append("%s: no control is named %r" % (title, name))
    return problems, checks


def keys(title, *sequence):
    """Gives the window the keyboard focus (there is no window manager) and presses keys."""
    window_id = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                               check=True, capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window_id], check=True)
    subprocess.run(["xdotool", "key", "--delay", "150"] + list(sequence), check=True)


def wait_closed(app, title):
    wait_for("the window %r to close" % title, lambda: find_window(app, title) is None)


def check_dialog(app, title, open_keys):
    """Opens a dialog from the main window, checks it and closes it with Escape."""
    keys("Tarvo", *open_keys)
    found = check_window(app, title)
    keys(title, "Escape")
    wait_closed(app, title)
    return found


def main():
    app = wait_for("the application %r on the accessibility bus" % APP_NAME, find_app)
    # A fresh settings store makes this the first run of the version: About opens itself.
    results = [check_window(app, "About Tarvo")]
    keys("About Tarvo", "Return")
    wait_closed(app, "About Tarvo")
    results.append(check_window(app, "Tarvo"))
    results.append(check_dialog(app, "DAVORU Units Solver", ["F10", "d"]))
    results.append(check_dialog(app, "Options", ["F10", "o"]))
    results.append(check_dialog(app, "Quick Conversion", ["ctrl+f"]))
    # Unit Sets opens from the Units page of the Options sheet.
    keys("Tarvo", "F10", "o")
    wait_for("the window 'Options'", lambda: find_window(app, "Options"))
    keys("Options", "ctrl+Tab", "alt+s")
    results.append(check_window(app, "Unit Sets"))
    keys("Unit Sets", "Escape")
    wait_closed(app, "Unit Sets")
    keys("Options", "Escape")
    wait_closed(app, "Options")
    results.append(check_dialog(app, "Tarvo Help", ["F1"]))
    keys("Tarvo", "Escape")
    problems = [problem for found, _ in results for problem in found]
    checks = sum(count for _, count in results)
    for problem in problems:
        print("FAIL - " + problem)
    if problems:
        print("a11y-check: %d of %d checks failed" % (len(problems), checks))
        return 1
    print("a11y-check: %d checks passed (every focusable control has a name)" % checks)
    return 0


if __name__ == "__main__":
    sys.exit(main())
