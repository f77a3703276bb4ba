#!/bin/sh
# At the keyboard with standard output redirected to a file (pelantor > log)
# the program does not edit lines: the log then holds exactly what the same
# keystrokes give through a pipe, with no echo of the typing and no control
# sequences.  The keys are typed ahead, as someone who cannot see the
# prompts would.  Exit status 77 skips the test.
program=$1
. "$(dirname "$0")/session.sh"

start "'$program' > log"
keys n Enter 1 Enter "0 4 7" Enter Enter C-d
poll ended || fail "the program did not end at Ctrl-D"

printf 'n\n1\n0 4 7\n\n' | "$program" > "$dir/piped"
cmp -s "$dir/piped" "$dir/log" || {
  diff "$dir/piped" "$dir/log" | cat -v
  fail "the log differs from the piped run"
}
