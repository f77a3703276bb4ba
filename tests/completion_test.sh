#!/bin/bash
# The bash completion against the program it completes: it offers every
# command the usage text lists and every option each command's --help
# names, and nothing else; every value it offers for --format, --measure,
# --names, --option and --canon is one the program takes.
# Usage: completion_test.sh PROGRAM SCRIPT
program=$1
# shellcheck source=/dev/null
. "$2"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The completions of the last word of a command line, one a line, sorted.
completions() {
  COMP_WORDS=(pelantor "$@")
  COMP_CWORD=$#
  _pelantor
  printf '%s\n' "${COMPREPLY[@]}" | sort
}

commands=$("$program" --help | sed -n 's/^  \([a-z][a-z]*\)  .*/\1/p' | sort)
[ -n "$commands" ] || fail "no commands in the usage text"
[ "$(completions "" | grep -v '^--')" = "$commands" ] ||
  fail "commands offered: $(completions "" | tr '\n' ' ')"
for command in $commands; do
  named=$("$program" "$command" --help | sed -n 's/^  \(-[-a-z]*\).*/\1/p' | sort -u)
  offered=$(completions "$command" -)
  [ "$offered" = "$named" ] ||
    fail "$command: offers $(echo "$offered" | tr '\n' ' '), --help names $(echo "$named" | tr '\n' ' ')"
done

# takes VALUES COMMAND...: every value offered, put for {} in the command.
takes() {
  values=$1
  shift
  for value in $values; do
    "$program" "${@//\{\}/$value}" >/dev/null 2>&1 || fail "offered, not taken: $* with $value"
  done
}
takes "$(completions info --format "")" info 047 --format {}
takes "$(completions compare --format "")" compare --measure 1 047 0148 --format {}
takes "$(completions compare --measure "")" compare --measure {} 047 0148 --format json
[ "$(completions compare --measure "" | wc -l)" -eq 17 ] || fail "not every measure offered"
[ "$(completions compare --measure A)" = "$(printf 'ANGLE\nASIM\nATMEMB\nAdjusted%%SAT%%SIM\nAvgSATSIMn')" ] ||
  fail "--measure A offers $(completions compare --measure A | tr '\n' ' ')"
takes "$(completions draw --names "")" draw 047 --names {}
takes "$(completions map --canon "")" map 014 23b --canon {}
for option in $(completions combine --option ""); do
  # A cardinality within what the combination gives, where it takes one.
  card=$(case $option in 4 | 6) echo "--card 4" ;; 5) echo "--card 5" ;; esac)
  # shellcheck disable=SC2086  # $card is an option and its value, or nothing
  "$program" combine 01 01 --option "$option" $card >/dev/null 2>&1 ||
    fail "--option $option offered, not taken"
done

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
