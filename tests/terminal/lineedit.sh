#!/bin/sh
# Drives the program at a real terminal inside tmux: the prompts the editor
# shows, typing, editing with the arrow keys and Ctrl-A, and recalling a set
# from the history with the up arrow.  Exit status 77 skips the test.
# (tmux drops trailing blanks from captured lines, so prompts are matched
# without them.)
program=$1
. "$(dirname "$0")/session.sh"

onscreen() { pane | grep -qF -- "$1"; }
waitfor() { poll onscreen "$1" || fail "never saw: $1"; }

start "$program"

waitfor "Type  'Y' or 'N':"
keys n Enter
waitfor "  Command:"
# The prompt the editor shows is printed once, not twice.
[ "$(pane | grep -c "Type  'Y' or 'N':")" -eq 1 ] || fail "the yes/no prompt is doubled"

keys 1 Enter
waitfor "Please input a pc-set:"
# Typed backwards and mended: Ctrl-A goes to the start of the line.
keys "4 8" C-a "0 " Enter
waitfor "Input set: {048}"
waitfor "Enter another set or hit ENTER to return to main menu:"
# Up recalls 0 4 8; Backspace and 7 turn it into 0 4 7.
keys Up BSpace 7 Enter
waitfor "Input set: {740}"
keys Up Up C-a DC 1 Enter
waitfor "Input set: {148}"
keys Enter
waitfor "  Command:"
keys C-d
poll ended || fail "the program did not end at Ctrl-D"
