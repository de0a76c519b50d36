# shellcheck shell=bash
# Shared by the scripts that read the real program over AT-SPI (sourced, never run, after
# lib/xvfb.sh): a private D-Bus session and the accessibility bus on it.

atspi_launcher=/usr/libexec/at-spi-bus-launcher

# Checks for at-spi2-core, dbus and Debian's pyatspi; re-runs the script with its arguments
# inside a D-Bus session of its own, which ends with it (does not return there).
atspi_session() {  # atspi_session <script arguments...>
    require_tools dbus-run-session dbus-send
    [ -x "$atspi_launcher" ] ||
        { echo "$script_name: at-spi2-core is missing (make deps)" >&2; exit 2; }
    # Debian's own Python: python3-pyatspi is not in any other interpreter on PATH.
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
        { echo "$script_name: python3-pyatspi is missing (make deps)" >&2; exit 2; }
    if [ -z "${TARVO_A11Y_SESSION:-}" ]; then
        exec dbus-run-session -- env TARVO_A11Y_SESSION=1 "$0" "$@"
    fi
}

# Starts the accessibility bus, ended on exit, with its output in log, and sets the
# environment for a Qt program to talk on it; the registry daemon starts on demand. Exits
# when the bus is not up within 10 seconds.
atspi_bus_start() {  # atspi_bus_start <log>
    "$atspi_launcher" --launch-immediately >"$1" 2>&1 &
    on_exit "kill $! 2>/dev/null"
    local _
    for _ in $(seq 100); do
        atspi_bus_up && break
        sleep 0.1
    done
    atspi_bus_up ||
        { echo "$script_name: the accessibility bus did not start within 10 s" >&2; exit 2; }
    export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

atspi_bus_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
