#!/usr/bin/env bash
# The real fr in a folder of CR LF files, driven by key events: a replacing run, a search-only
# run that changes nothing, and Esc, which ends the program with exit code 0.
# Usage: replace_run.sh <fr> <probe> <folder for the screenshot>
source "$(dirname "$0")/lib.sh"
fr=$1 probe=$2 out=$3
WORK=$(mktemp -d)
trap cleanup_fr EXIT
cd "$WORK"

printf 'foo one\r\nno match\r\nfoo foo\r\n' > A.TXT
printf 'nothing here\r\n' > B.TXT
printf 'Foo\tbar   \r\nlast' > C.TXT
printf 'foo\r\n' > Z.TXT
chmod a-w Z.TXT
open_message="An error occurred while opening: Z.TXT        |Error: (5) Access Denied"
reference_box "$probe" "$open_message" "Find & Replace" "OK" "$out/expected-open-box.png"

start_fr "$fr"
[[ $(xprop -id "$MAIN" WM_NAME) == 'WM_NAME(STRING) = "Find & Replace"' ]] || fail "window title"
xprop -id "$MAIN" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "no 32 x 32 window icon"
type_text '*.TXT'
press Tab
type_text foo
press Tab
type_text bar
press Return

# Z.TXT, read-only, comes last and is reported; the files before it are written by then.
wait_for_box
expect_looks_like "$BOX" "$out/expected-open-box.png" "$out/open-box.png" "open message"
close_box_with Return
capture "$MAIN" "$out/fr-window.png"

expect_file A.TXT 'bar one\r\nno match\r\nbar bar\r\n'
expect_file B.TXT 'nothing here\r\n'
expect_file C.TXT 'bar     bar\r\nlast\r\n'
expect_file Z.TXT 'foo\r\n'
before=$(stat -c '%n %y %s' ./*.TXT)

# Search only: the search entry takes bar, the replacement is emptied.
press Tab
type_text bar
press Tab BackSpace Return
wait_for_box
close_box_with Return
[[ $(stat -c '%n %y %s' ./*.TXT) == "$before" ]] || fail "a search-only run changed files"
expect_file A.TXT 'bar one\r\nno match\r\nbar bar\r\n'

press Escape
expect_exit_code 0
