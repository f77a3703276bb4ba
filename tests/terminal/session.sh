# Sourced by the terminal tests: a private tmux server whose one session,
# main, runs in a scratch folder ($dir); both go again on exit.  Without
# tmux the test is skipped (exit status 77).
command -v tmux >/dev/null 2>&1 || exit 77

dir=$(mktemp -d)
server=pelantor-test-$$
trap 'tmux -L $server kill-server 2>/dev/null; rm -rf "$dir"' EXIT

# Runs the shell command line $1 at the session's terminal; the shell waits
# afterwards, so that the screen can still be read and the end be seen.
start() { tmux -L $server new-session -d -s main -x 100 -y 60 -c "$dir" "$1; sleep 30"; }
pane() { tmux -L $server capture-pane -p -t main -S -200; }
keys() { tmux -L $server send-keys -t main "$@"; }
fail() {
  echo "FAILED: $1"
  echo "---- screen ----"
  pane
  exit 1
}
# Runs its arguments as a command until it succeeds, for at most 5 s.
poll() {
  i=0
  while [ $i -lt 100 ]; do
    "$@" && return 0
    sleep 0.05
    i=$((i + 1))
  done
  return 1
}
# The program has ended and the shell sleeps.
ended() {
  tmux -L $server list-panes -t main -F '#{pane_current_command}' 2>/dev/null | grep -q sleep
}
