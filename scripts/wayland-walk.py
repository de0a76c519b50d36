#!/usr/bin/python3
"""Drives a running Tarvo in a Wayland session: it closes the About box of the first run,
finds the converter window with the factory types, chooses Distance, yard to foot with the
keys a user presses, types 2 and reads 6, opens Tools > Options, checks that the View page
leaves window stacking to the desktop but shows the stored "Always on top" setting, closes
the sheet with OK and ends the program with Exit!. AT-SPI finds the windows, presses the
buttons and reads texts and states; the keystrokes go through the compositor's virtual
keyboard (wtype), to the window that has the focus, as a user's do: the converter reacts
only to the user's own edits, which AT-SPI cannot make.

Usage: wayland-walk.py first-run|next-run on-top|not-on-top

Run by scripts/wayland-check inside a private D-Bus session with the accessibility bus;
needs Debian's python3-pyatspi, hence /usr/bin/python3.
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "lib"))
from atspi_tree import APP_NAME, TIMEOUT, find_app, find_window, wait_for, walk  # noqa: E402

# An action that opens a modal window answers only once that window closes; the walk goes
# on without the answer after this many milliseconds.
ACTION_REPLY_TIMEOUT_MS = 2000

FACTORY_TYPES = 10
STACKING_TOOLTIP = "This desktop decides which windows stay on top."


def wait_for_short(probe):
    wait_for("", probe, timeout=2.0)


def control(window, role, name):
    for accessible in walk(window):
        if accessible.getRoleName() == role and accessible.name == name:
            return accessible
    raise RuntimeError("%r has no %s named %r" % (window.name, role, name))


def labelled(window, role, label):
    """The control of the role that the label names; for a combo box, which AT-SPI names by
    the item it shows."""
    for accessible in walk(window):
        if accessible.getRoleName() != "label" or accessible.name != label:
            continue
        for relation in accessible.getRelationSet():
            if relation.getRelationType() != pyatspi.RELATION_LABEL_FOR:
                continue
            for i in range(relation.getNTargets()):
                target = relation.getTarget(i)
                if target is not None and target.getRoleName() == role:
                    return target
    raise RuntimeError("%r has no %s labelled %r" % (window.name, role, label))


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


def keys(*args):
    """Types through the compositor's virtual keyboard, e.g. keys("-k", "Tab")."""
    try:
        subprocess.run(["wtype"] + list(args), check=True, timeout=TIMEOUT)
    except (OSError, subprocess.SubprocessError) as error:
        raise RuntimeError("wtype %s: %s" % (" ".join(args), error)) from None


def focused(accessible):
    return accessible.getState().contains(pyatspi.STATE_FOCUSED)


def shown_item(combo):
    """The item a closed combo box shows: the selected one of its list."""
    items = combo.getChildAtIndex(0)
    for i in range(items.childCount):
        item = items.getChildAtIndex(i)
        if item is not None and item.getState().contains(pyatspi.STATE_SELECTED):
            return item.name
    return None


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def choose(combo, label, search, item):
    """Types search into the focused combo box, as a user picks an item by its first
    letters, and waits until it shows item; label names the combo box in messages."""
    keys(search)
    try:
        wait_for("", lambda: shown_item(combo) == item)
    except RuntimeError:
        raise RuntimeError("typing %r into %r shows %r, not %r"
                           % (search, label, shown_item(combo), item)) from None
    step("typing %r into %r chooses %r" % (search, label, item))


def tab_to(accessible, label):
    keys("-k", "Tab")
    wait_for("Tab to go to %r" % label, lambda: focused(accessible))


def convert(main_window):
    """The user chooses Distance, yard to foot, types 2 and reads 6."""
    types = labelled(main_window, "combo box", "Type:")
    from_units = labelled(main_window, "combo box", "Units:")
    to_units = control(main_window, "combo box", "To unit")
    from_number = control(main_window, "text", "Numbers:")
    to_number = control(main_window, "text", "To number")
    wait_for("the window %r to be active" % main_window.name,
             lambda: main_window.getState().contains(pyatspi.STATE_ACTIVE))
    # Alt+T goes to the Type list. The program binds the compositor's keyboard only once
    # the keyboard is there, so the first keys may come too early: pressed until it works.
    deadline = time.monotonic() + TIMEOUT
    while not focused(types):
        if time.monotonic() > deadline:
            raise RuntimeError("Alt+T does not go to the Type list")
        keys("-M", "alt", "t", "-m", "alt")
        try:
            wait_for_short(lambda: focused(types))
        except RuntimeError:
            pass
    step("Alt+T goes to the Type list")
    choose(types, "Type:", "d", "Distance")
    tab_to(from_units, "Units:")
    choose(from_units, "Units:", "y", "yard (yd.)")
    tab_to(to_units, "To unit")
    choose(to_units, "To unit", "foot", "foot (ft.)")
    tab_to(from_number, "Numbers:")
    keys("2")
    try:
        wait_for("", lambda: text_of(from_number) == "2" and text_of(to_number) == "6")
    except RuntimeError:
        raise RuntimeError("typing 2 shows %r in %r and %r in %r, not 2 and 6"
                           % (text_of(from_number), from_number.name, text_of(to_number),
                              to_number.name)) from None
    step("2 yards typed are 6 feet")


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
    types = labelled(main_window, "combo box", "Type:").getChildAtIndex(0)
    if types.childCount != FACTORY_TYPES:
        raise RuntimeError("the Type list holds %d types, not %d" % (types.childCount,
                                                                     FACTORY_TYPES))
    step("the Type list holds the %d factory types" % FACTORY_TYPES)
    if first_run:
        convert(main_window)

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
