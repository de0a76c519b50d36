# shellcheck shell=bash
# Shared by the scripts that drive the real program on a virtual X display (sourced, never
# run): starting Xvfb, starting and ending the program, finding its windows and typing
# into them. There is no window manager, so a window gets keys only after windowfocus.
# shellcheck source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

require_tools Xvfb xdotool

# Starts Xvfb on a display it picks itself and exports DISPLAY; Xvfb is ended on exit.
# With -displayfd Xvfb writes the display's number once it accepts connections, so there
# is neither a free number to guess nor a start-up to poll. Fails, saying so, when no
# display comes up within 30 seconds.
xvfb_start() {  # xvfb_start <screen geometry, as 1024x768x24>
    local dir display=""
    make_work_dir dir
    mkfifo "$dir/display"
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp \
        3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
    on_exit "kill $! 2>/dev/null"
    read -r -t 30 display <"$dir/display" || true
    if [ -z "$display" ]; then
        echo "$script_name: Xvfb did not start a display (waited up to 30 s); it said:" >&2
        cat "$dir/xvfb.log" >&2
        exit 2
    fi
    export DISPLAY=":$display"
}

# Starts the program in run dir with its settings under config dir (and its catalogue
# backups there too, unless XDG_STATE_HOME is set) and its output in log, and stores its
# process id in the variable named first. It is killed on exit if still running.
start_tarvo() {  # start_tarvo <pid variable> <program> <run dir> <config dir> <log>
    (cd "$3" && exec env XDG_CONFIG_HOME="$4" XDG_STATE_HOME="${XDG_STATE_HOME:-$4/state}" \
        "$2") >"$5" 2>&1 &
    on_exit "kill $! 2>/dev/null"
    printf -v "$1" '%s' "$!"
}

# Prints the first visible window of process pid whose name matches, waiting up to
# seconds (0: looking once); prints nothing when none shows.
wait_window() {  # wait_window <pid> <name regex> <seconds>
    local sync=(--sync)
    [ "$3" = 0 ] && sync=()
    timeout "$(($3 + 1))" xdotool search "${sync[@]}" --all --onlyvisible --pid "$1" \
        --name "$2" 2>/dev/null | head -n 1 || true
}

# Waits up to seconds until no visible window of pid matches; false when one still does.
wait_window_gone() {  # wait_window_gone <pid> <name regex> <seconds>
    local end=$((SECONDS + $3))
    while xdotool search --all --onlyvisible --pid "$1" --name "$2" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.1
    done
}

# The names of the visible top-level windows, one a line, sorted; the root window and
# windows without a name (Qt's helper windows) left out.
visible_windows() {
    local window
    for window in $(xdotool search --maxdepth 1 --onlyvisible --name '.' 2>/dev/null); do
        xdotool getwindowname "$window"
    done | sort
}

# How long a check that no message box appears watches for one, in whole seconds: a box
# shows moments after the window it belongs to, but no wait can prove that none ever will.
# shellcheck disable=SC2034  # read by the scripts that source this file
message_wait=${TARVO_MESSAGE_WAIT:-1}

# Watches the display for up to seconds for a window whose name does not match allowed
# (a message box, say) and stores the names then visible, joined by "|", in the variable
# named first: at the moment such a window shows, or when the time is up. False when
# such a window showed.
watch_windows() {  # watch_windows <variable> <allowed name regex> <seconds>
    local _end=$((${EPOCHREALTIME/./} / 1000 + $3 * 1000)) _names _name _foreign
    while :; do
        _names=$(visible_windows)
        _foreign=""
        while IFS= read -r _name; do
            [[ -z $_name || $_name =~ $2 ]] || _foreign=yes
        done <<<"$_names"
        printf -v "$1" '%s' "$(paste -sd '|' <<<"$_names")"
        [ -z "$_foreign" ] || return 1
        [ $((${EPOCHREALTIME/./} / 1000)) -lt "$_end" ] || return 0
        sleep 0.1
    done
}

# The number of visible windows of pid, menus and other popups included.
window_count() {  # window_count <pid>
    xdotool search --all --onlyvisible --pid "$1" --class '.' 2>/dev/null | wc -l
}

# Waits up to seconds until pid shows more than count windows, as when a menu opens;
# false when it does not.
wait_more_windows() {  # wait_more_windows <pid> <count> <seconds>
    local end=$((SECONDS + $3))
    until [ "$(window_count "$1")" -gt "$2" ]; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.1
    done
}

# Key strokes go to the window that has the input focus.
focus_and_key() {  # focus_and_key <window> <xdotool key arguments...>
    local window=$1
    shift
    xdotool windowfocus --sync "$window"
    xdotool key --delay 80 "$@"
}

# Waits up to seconds for pid to end and stores its exit status in the variable named
# first, or empty when it is still running.
wait_exit() {  # wait_exit <status variable> <pid> <seconds>
    local _end=$((SECONDS + $3)) _result=""
    while :; do
        if ! kill -0 "$2" 2>/dev/null; then
            wait "$2" && _result=0 || _result=$?
            break
        fi
        [ "$SECONDS" -lt "$_end" ] || break
        sleep 0.1
    done
    printf -v "$1" '%s' "$_result"
}

# Closes the About box that the first run of a version shows, if it is there.
dismiss_about() {  # dismiss_about <pid> <seconds to wait for it>
    local about
    about=$(wait_window "$1" '^About Tarvo$' "$2")
    [ -n "$about" ] || return 0
    focus_and_key "$about" Return
    wait_window_gone "$1" '^About Tarvo$' 5
}

# Adds a unit through Tools > Options > Units and closes the sheet with OK.
add_unit_in_options() {  # add_unit_in_options <pid> <main window> <type> <unit> <coefficient>
    local sheet windows
    windows=$(window_count "$1")
    # Alt+T is the Type list's mnemonic; Alt alone reaches the menu bar, T its Tools menu.
    focus_and_key "$2" alt t
    wait_more_windows "$1" "$windows" 5 ||
        { echo "$script_name: the Tools menu did not open" >&2; return 1; }
    xdotool key --delay 80 o
    sheet=$(wait_window "$1" '^Options$' 10)
    [ -n "$sheet" ] || { echo "$script_name: the Options sheet did not open" >&2; return 1; }
    focus_and_key "$sheet" ctrl+Tab alt+t
    xdotool type --delay 40 "$3"
    xdotool key --delay 80 alt+u
    xdotool type --delay 40 "$4"
    xdotool key --delay 80 alt+c
    xdotool type --delay 40 "$5"
    xdotool key --delay 80 alt+a
    # Enter in the coefficient box presses the sheet's default button, OK.
    xdotool key --delay 80 alt+c Return
    wait_window_gone "$1" '^Options$' 5
}

# The value stored under a name in the settings store, whatever its tables are called: a
# row that holds the name (letter case ignored) holds the value in the field after it.
stored() {  # stored <db> <name>
    local db=$1 name=$2 table
    [ -f "$db" ] || return 0
    for table in $(sqlite3 "$db" "select name from sqlite_master where type = 'table'"); do
        sqlite3 -separator $'\t' "$db" "select * from \"$table\"" |
            awk -F'\t' -v name="$name" \
                '{ for (i = 1; i < NF; ++i) if (tolower($i) == tolower(name)) print $(i + 1) }'
    done | head -n 1
}
