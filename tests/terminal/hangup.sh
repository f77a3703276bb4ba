#!/bin/sh
# A hang-up while the line editor holds the terminal in the middle of a line:
# the program ends by SIGHUP, the terminal's settings are as before, and the
# report file holds the set report that was on the screen.
program=$1
. "$(dirname "$0")/session.sh"

onscreen() { pane | grep -qF -- "$1"; }
waitfor() { poll onscreen "$1" || fail "never saw: $1"; }

start "stty -g >before; $program; echo \$? >status; stty -g >after"
waitfor "Type  'Y' or 'N':"
keys y Enter
waitfor "Please enter a file name to create:"
keys report.txt Enter
waitfor "  Command:"
keys 1 Enter
waitfor "Please input a pc-set:"
keys "0 4 7" Enter
waitfor "Enter another set or hit ENTER to return to main menu:"
# Half a line typed: the editor has the terminal in its own mode.
keys "0 1"
sleep 0.2
shell=$(tmux -L $server display -p -t main '#{pane_pid}')
kill -HUP "$(pgrep -P "$shell" pelantor)" || fail "no program to hang up"
poll ended || fail "the program did not end at SIGHUP"
[ "$(cat "$dir/status")" = 129 ] || fail "status $(cat "$dir/status"), expected 129 (SIGHUP)"
cmp -s "$dir/before" "$dir/after" || fail "terminal settings changed: $(cat "$dir/before") / $(cat "$dir/after")"
grep -qF "Input set: {740}" "$dir/report.txt" || fail "the report file lost the set report"
