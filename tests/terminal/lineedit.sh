#!/bin/sh
# (tmux drops trailing blanks from captured lines, so prompts are matched without them.)
# Drives the program at a real terminal inside tmux: the prompts the editor
# shows, typing, editing with the arrow keys and Ctrl-A, and recalling a set
# from the history with the up arrow.  Exit status 77 skips the test.
program=$1
command -v tmux >/dev/null 2>&1 || exit 77

dir=$(mktemp -d)
server=pelantor-test-$$
trap 'tmux -L $server kill-server 2>/dev/null; rm -rf "$dir"' EXIT

pane() { tmux -L $server capture-pane -p -t main -S -200; }
fail() {
  echo "FAILED: $1"
  echo "---- screen ----"
  pane
  exit 1
}
waitfor() {
  i=0
  while [ $i -lt 100 ]; do
    pane | grep -qF -- "$1" && return 0
    sleep 0.05
    i=$((i + 1))
  done
  fail "never saw: $1"
}
keys() { tmux -L $server send-keys -t main "$@"; }

tmux -L $server new-session -d -s main -x 100 -y 60 -c "$dir" "$program; sleep 30"

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
# Up recalls 0 4 8; Left and Backspace turn it into 0 4 7.
keys Up BSpace 7 Enter
waitfor "Input set: {740}"
keys Up Up C-a DC 1 Enter
waitfor "Input set: {148}"
keys Enter
waitfor "  Command:"
keys C-d
i=0
while [ $i -lt 100 ]; do
  tmux -L $server list-panes -t main -F '#{pane_current_command}' 2>/dev/null | grep -q sleep && exit 0
  sleep 0.05
  i=$((i + 1))
done
fail "the program did not end at Ctrl-D"
