#!/usr/bin/python3
"""Drives a running Tarvo over AT-SPI in a Wayland session, where no X tool can type: it
closes the About box of the first run, finds the converter window with the factory types,
opens Tools > Options, checks that the View page leaves window stacking to the desktop but
shows the stored "Always on top" setting, closes the sheet with OK and ends the program with
Exit!. Every step is an AT-SPI action.

Usage: wayland-walk.py first-run|next-run on-top|not-on-top

Run by scripts/wayland-check inside a private D-Bus session with the accessibility bus;
needs Debian's python3-pyatspi, hence /usr/bin/python3.
"""
import sys
import time

import pyatspi
from gi.repository import GLib

# An action that opens a modal window answers only once that window closes; the walk goes
# on without the answer after this many milliseconds.
ACTION_REPLY_TIMEOUT_MS = 2000

APP_NAME = "Tarvo"
TIMEOUT = 20.0
FACTORY_TYPES = 10
STACKING_TOOLTIP = "This desktop decides which windows stay on top."


def wait_for(what, probe):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        try:
            found = probe()
        except Exception:  # objects of a closing window vanish under our feet
            found = None
        if found:
            return found
        time.sleep(0.2)
    raise RuntimeError("timed out waiting for " + what)


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == APP_NAME:
            return app
    return None


def find_window(app, title):
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.name == title:
            return window
    return None


def walk(accessible):
    yield accessible
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def control(window, role, name):
    for accessible in walk(window):
        if accessible.getRoleName() == role and accessible.name == name:
            return accessible
    raise RuntimeError("%r has no %s named %r" % (window.name, role, name))


def act(accessible, action, answers=True):
    """Does the named action; answers=False for one that opens a modal window or ends the
    program, whose reply does not come in time."""
    actions = accessible.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == action:
            try:
                actions.doAction(i)
            except GLib.GError:
                if answers:
                    raise
            return
    raise RuntimeError("%s %r cannot %s" % (accessible.getRoleName(), accessible.name, action))


def step(text):
    print("ok   - " + text)


def open_window(app, title):
    window = wait_for("the window %r" % title, lambda: find_window(app, title))
    step("the window %r is shown" % title)
    return window


def wait_closed(app, title):
    wait_for("the window %r to close" % title, lambda: find_window(app, title) is None)
    step("the window %r closed" % title)


def main(first_run, on_top_stored):
    pyatspi.setTimeout(ACTION_REPLY_TIMEOUT_MS, int(TIMEOUT * 1000))
    app = wait_for("the application %r on the accessibility bus" % APP_NAME, find_app)
    step("Tarvo is on the accessibility bus")
    if first_run:
        # The first run of a version opens the About box by itself.
        about = open_window(app, "About Tarvo")
        act(control(about, "push button", "OK"), "Press")
        wait_closed(app, "About Tarvo")

    main_window = open_window(app, "Tarvo")
    types = control(main_window, "combo box", "Type:").getChildAtIndex(0)
    if types.childCount != FACTORY_TYPES:
        raise RuntimeError("the Type list holds %d types, not %d" % (types.childCount,
                                                                     FACTORY_TYPES))
    step("the Type list holds the %d factory types" % FACTORY_TYPES)

    act(control(main_window, "menu item", "Options..."), "Press", answers=False)
    sheet = open_window(app, "Options")
    on_top = control(sheet, "check box", "Always on top")
    if on_top.getState().contains(pyatspi.STATE_ENABLED):
        raise RuntimeError("'Always on top' can be changed under Wayland")
    if on_top.description != STACKING_TOOLTIP:
        raise RuntimeError("'Always on top' says %r" % on_top.description)
    step("'Always on top' is disabled and says: " + on_top.description)
    if on_top.getState().contains(pyatspi.STATE_CHECKED) != on_top_stored:
        raise RuntimeError("'Always on top' does not show the stored setting")
    step("'Always on top' shows the stored setting (%s)" % ("on" if on_top_stored else "off"))
    act(control(sheet, "push button", "OK"), "Press")
    wait_closed(app, "Options")

    act(control(main_window, "menu item", "Exit!"), "Press", answers=False)
    wait_closed(app, "Tarvo")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1] == "first-run", sys.argv[2] == "on-top"))
    except (RuntimeError, GLib.GError) as error:
        print("FAIL - %s" % error)
        sys.exit(1)
