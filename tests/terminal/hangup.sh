#!/bin/sh
# A hang-up while the line editor holds the terminal in the middle of a line:
# the program ends by SIGHUP, the terminal's settings are as before, and the
# report file holds the set report that was on the screen.
program=$1
command -v tmux >/dev/null 2>&1 || exit 77

dir=$(mktemp -d)
server=pelantor-hangup-$$
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

tmux -L $server new-session -d -s main -x 100 -y 60 -c "$dir" \
  "stty -g >before; $program; echo \$? >status; stty -g >after; sleep 30"

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
i=0
while [ ! -s "$dir/after" ] && [ $i -lt 100 ]; do
  sleep 0.05
  i=$((i + 1))
done
[ -s "$dir/after" ] || fail "the program did not end at SIGHUP"
[ "$(cat "$dir/status")" = 129 ] || fail "status $(cat "$dir/status"), expected 129 (SIGHUP)"
cmp -s "$dir/before" "$dir/after" || fail "terminal settings changed: $(cat "$dir/before") / $(cat "$dir/after")"
grep -qF "Input set: {740}" "$dir/report.txt" || fail "the report file lost the set report"
