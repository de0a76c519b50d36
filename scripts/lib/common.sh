# shellcheck shell=bash
# Shared by the scripts (sourced, never run): the repository root, clean-up on exit,
# checks that count, and building a target in a build dir.

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
script_name=$(basename "$0")

# Commands run on exit, newest first, so that what was set up last is undone first.
cleanup_commands=()
run_cleanup() {
    local i
    for ((i = ${#cleanup_commands[@]} - 1; i >= 0; --i)); do
        eval "${cleanup_commands[$i]}" || true
    done
}
trap run_cleanup EXIT
on_exit() {  # on_exit <shell command>
    cleanup_commands+=("$1")
}

# Makes a fresh directory, removed on exit, and stores its path in the variable named.
# (Not called as $(...): the clean-up must be registered in this shell.)
make_work_dir() {  # make_work_dir <variable>
    local _dir
    _dir=$(mktemp -d "${TMPDIR:-/tmp}/$script_name.XXXXXX")
    on_exit "rm -rf '$_dir'"
    printf -v "$1" '%s' "$_dir"
}

# Checks that count: finish reports the counts in the closing line that CI adds up.
passed=0
failures=0
check() {  # check <description> <command...>
    local what=$1
    shift
    if "$@"; then
        echo "ok   - $what"
        passed=$((passed + 1))
    else
        echo "FAIL - $what"
        failures=$((failures + 1))
    fi
}

# Ends the script with its closing line, "NAME: N checks passed" or "NAME: N of M checks
# failed"; status 1 when a check failed or none ran.
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$script_name: $failures of $((passed + failures)) checks failed"
        exit 1
    fi
    if [ "$passed" -eq 0 ]; then
        echo "$script_name: no check ran"
        exit 1
    fi
    echo "$script_name: $passed checks passed"
}

require_tools() {  # require_tools <command...>
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "$script_name: $tool is not installed" >&2; exit 2; }
    done
}

require_program() {  # require_program <path>
    [ -x "$1" ] || { echo "$script_name: no program at $1" >&2; exit 2; }
}

# Configures build dir (when new) with the given options and builds the targets.
build_targets() {  # build_targets <build dir> "<cmake options>" <target...>
    local build=$1 options=$2
    shift 2
    # shellcheck disable=SC2086  # the options are words
    cmake -S "$repo" -B "$build" $options >/dev/null
    cmake --build "$build" -j2 --target "$@"
}
