#!/usr/bin/env bash
# A copy of the real fr with an environment file beside it: the replaced button caption and
# error text show in the run's message boxes, and ZOQCOLSEQ=ba makes the run visit b.txt
# before a.txt.
# Usage: environment_file.sh <fr> <probe> <folder for pictures>
source "$(dirname "$0")/lib.sh"
fr=$1 probe=$2 out=$3
WORK=$(mktemp -d)
trap cleanup_fr EXIT
mkdir "$WORK/bin" "$WORK/files"
cp "$fr" "$WORK/bin/fr"
printf 'ZOQBUTTON=&Jawohl\r\nZOQMSG5=Nur lesen erlaubt\r\nZOQCOLSEQ=ba\r\n' > "$WORK/bin/fr.env"
cd "$WORK/files"
printf 'foo\r\n' > a.txt
printf 'foo\r\n' > b.txt
chmod a-w a.txt b.txt

for name in a b; do
    reference_box "$probe" \
        "An error occurred while opening: $name.txt        |Error: (5) Nur lesen erlaubt" \
        "Find & Replace" "&Jawohl" "$out/expected-$name-box.png"
done
[[ $(pixels_differing "$out/expected-a-box.png" "$out/expected-b-box.png") != 0 ]] ||
    fail "the boxes for a.txt and b.txt cannot be told apart"

start_fr "$WORK/bin/fr"
type_text '*.txt'
press Tab
type_text foo
press Tab
type_text bar
press Return

# Alt+J presses the button only when its caption is &Jawohl.
for name in b a; do
    wait_for_box
    expect_looks_like "$BOX" "$out/expected-$name-box.png" "$out/$name-box.png" "box of $name.txt"
    close_box_with alt+j
done
expect_file a.txt 'foo\r\n'
expect_file b.txt 'foo\r\n'

press Escape
expect_exit_code 0
