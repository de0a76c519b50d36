"""What the AT-SPI walks share: finding the program, its windows and their controls on the
accessibility bus, and bounded waits for them."""
import time

import pyatspi

APP_NAME = "Tarvo"
TIMEOUT = 20.0


def wait_for(what, probe, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
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
