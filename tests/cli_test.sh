#!/bin/sh
# The command line: --help, --version, wrong arguments, and the version in
# the title banner.  Usage: cli_test.sh PROGRAM VERSION
program=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# run ARGS...: status in $status, output in out.txt and err.txt.
run() {
  "$program" "$@" </dev/null >"$scratch/out.txt" 2>"$scratch/err.txt"
  status=$?
}

run --help
[ "$status" -eq 0 ] || fail "--help: status $status"
[ "$(head -n 1 "$scratch/out.txt")" = "Usage: pelantor [--help | --version]" ] ||
  fail "--help: first line is '$(head -n 1 "$scratch/out.txt")'"
grep -q -- "--version" "$scratch/out.txt" || fail "--help: --version not described"
[ -s "$scratch/err.txt" ] && fail "--help: wrote to stderr"

run --version
[ "$status" -eq 0 ] || fail "--version: status $status"
[ "$(cat "$scratch/out.txt")" = "pelantor $version" ] ||
  fail "--version: printed '$(cat "$scratch/out.txt")'"
[ -s "$scratch/err.txt" ] && fail "--version: wrote to stderr"

# Wrong arguments: a complaint naming the argument, the usage, status 2, and
# nothing on stdout (no dialogue starts).
for args in "--bogus" "-h" "--Help" "0148" "--help extra" "--version --help"; do
  # shellcheck disable=SC2086  # the words of $args are the arguments
  run $args
  last=${args##* }
  [ "$status" -eq 2 ] || fail "'$args': status $status"
  [ -s "$scratch/out.txt" ] && fail "'$args': wrote to stdout"
  [ "$(head -n 1 "$scratch/err.txt")" = "pelantor: unrecognised argument '$last'" ] ||
    fail "'$args': complaint '$(head -n 1 "$scratch/err.txt")'"
  grep -q "^Usage: pelantor" "$scratch/err.txt" || fail "'$args': no usage on stderr"
done

# A failed write of the answer is not a success.
if [ -w /dev/full ]; then
  "$program" --version >/dev/full 2>/dev/null
  status=$?
  [ "$status" -eq 1 ] || fail "--version to a full device: status $status"
fi

# The title banner shows the same version.
run
[ "$status" -eq 0 ] || fail "no arguments, empty input: status $status"
expected="                                   v. $version"
[ "$(sed -n 2p "$scratch/out.txt")" = "$expected" ] ||
  fail "banner version line is '$(sed -n 2p "$scratch/out.txt")'"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
