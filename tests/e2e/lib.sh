# Helpers for driving the real fr under Xvfb with real key events (xdotool, XTEST).
# Every wait polls with a bound; nothing sleeps for a fixed time to let things happen.
set -euo pipefail

# Generous, for loaded machines and sanitizer builds; a passing test waits far less.
WAIT_SECONDS=60
FR_PID=
MAIN=
BOX=

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs "$@" every 0.1 s until it succeeds; false after WAIT_SECONDS.
poll() {
    local end=$((SECONDS + WAIT_SECONDS))
    until "$@"; do
        ((SECONDS < end)) || return 1
        sleep 0.1
    done
}

visible_windows_of() {
    xdotool search --onlyvisible --pid "$1" 2>/dev/null || true
}

main_window_shown() {
    if ! kill -0 "$FR_PID" 2>/dev/null; then
        local rc=0
        wait "$FR_PID" || rc=$?
        FR_PID=
        fail "the program ended with exit code $rc before its window appeared"
    fi
    MAIN=$(visible_windows_of "$FR_PID" | head -n 1)
    [[ -n $MAIN ]]
}

# Starts the program in the current directory and waits until its window has the focus.
start_fr() {
    "$1" &
    FR_PID=$!
    poll main_window_shown || fail "the window of $1 did not appear"
    focus "$MAIN"
}

focus() {
    timeout 10 xdotool windowfocus --sync "$1"
}

type_text() {
    xdotool type --delay 30 -- "$1"
}

press() {
    xdotool key --delay 30 "$@"
}

box_shown() {
    BOX=$(visible_windows_of "$FR_PID" | grep -vx "$MAIN" | head -n 1 || true)
    [[ -n $BOX ]]
}

box_gone() {
    ! visible_windows_of "$FR_PID" | grep -qx "$BOX"
}

# Waits for a message box of the program and gives it the focus, as a window manager would.
wait_for_box() {
    poll box_shown || fail "no message box appeared"
    focus "$BOX"
}

# Closes the box with the given keys and gives the focus back to the main window.
close_box_with() {
    press "$@"
    poll box_gone || fail "the message box did not close on: $*"
    focus "$MAIN"
}

capture() {
    import -window "$1" "png:$2" 2>/dev/null
}

# True when a picture shows more than a blank window: an unpainted one has one colour.
painted() {
    (($(convert "$1" -format %k info: 2>/dev/null || echo 0) > 8))
}

# Number of pixels in which two pictures differ; "size" when their sizes differ.
pixels_differing() {
    local count
    count=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
    [[ $count =~ ^[0-9]+$ ]] && echo "$count" || echo size
}

# Waits until window $1 looks exactly like picture $2 (both drawn by the same code on the same
# display); keeps the last capture in $3.
window_looks_like() {
    capture "$1" "$3" && [[ $(pixels_differing "$2" "$3") == 0 ]]
}

expect_looks_like() {
    poll window_looks_like "$1" "$2" "$3" ||
        fail "$4: window differs from $2 (last capture: $3, $(pixels_differing "$2" "$3") pixels)"
}

# Shows the program's message box for the given text, caption and button in a probe and
# keeps a picture of it in $5.
reference_box() {
    local probe=$1 text=$2 caption=$3 button=$4 picture=$5 pid window=
    "$probe" "$text" "$caption" "$button" &
    pid=$!
    probe_painted() {
        window=$(visible_windows_of "$pid" | head -n 1)
        [[ -n $window ]] && focus "$window" && capture "$window" "$picture" && painted "$picture"
    }
    poll probe_painted || fail "the probe's message box did not appear painted (window '$window')"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

# Waits for the program to end and checks its exit code.
expect_exit_code() {
    fr_ended() { ! kill -0 "$FR_PID" 2>/dev/null; }
    poll fr_ended || fail "the program did not end"
    local rc=0
    wait "$FR_PID" || rc=$?
    FR_PID=
    [[ $rc == "$1" ]] || fail "exit code $rc, expected $1"
}

# Compares a file's bytes with the printf format $2; shows both, with od, when they differ.
expect_file() {
    local expected
    expected=$(mktemp)
    printf "$2" > "$expected"
    if ! cmp -s "$expected" "$1"; then
        echo "--- expected $1:" >&2
        od -c "$expected" >&2
        echo "--- actual $1:" >&2
        od -c "$1" >&2
        rm -f "$expected"
        fail "$1 differs"
    fi
    rm -f "$expected"
}

# Ends a program still running when the test fails, and removes the scratch folder.
cleanup_fr() {
    local rc=$?
    [[ -n $FR_PID ]] && kill "$FR_PID" 2>/dev/null || true
    [[ -n ${WORK:-} ]] && chmod -R u+w "$WORK" && rm -rf "$WORK"
    exit "$rc"
}
