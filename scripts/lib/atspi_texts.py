#!/usr/bin/python3
"""Prints the text of named text boxes of a running Tarvo window, read over AT-SPI, one a
line in the order asked. Waits until the first of them holds a text, so that a value the
program is still writing is not read half-way.

Usage: atspi_texts.py WINDOW_TITLE NAME...   (Debian's python3-pyatspi, hence /usr/bin/python3)
"""
import os
import sys

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_tree import find_app, find_window, wait_for, walk  # noqa: E402


def box_text(window, name):
    for accessible in walk(window):
        if accessible.getRole() == pyatspi.ROLE_TEXT and accessible.name == name:
            return accessible.queryText().getText(0, -1)
    return None


def main():
    title, names = sys.argv[1], sys.argv[2:]
    app = wait_for("the application on the accessibility bus", find_app)
    window = wait_for("the window " + repr(title), lambda: find_window(app, title))
    wait_for("a text in %r" % names[0], lambda: box_text(window, names[0]))
    for name in names:
        print(box_text(window, name) or "")
    return 0


if __name__ == "__main__":
    sys.exit(main())
