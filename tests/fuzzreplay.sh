#!/bin/sh
# Replays the inputs that once broke the program (fuzz/regressions/): each is
# typed at the real binary in an empty scratch folder and must end the
# program with status 0 within the time limit and without a word on stderr.
# As in the fuzz target, every '/' of an input becomes '_', so that no typed
# file name reaches outside the scratch folder.
# Usage: fuzzreplay.sh PROGRAM REGRESSIONS-FOLDER
program=$1
folder=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
runs=0
for input in "$folder"/*; do
  [ -f "$input" ] || continue
  case $input in *.md) continue ;; esac
  rm -rf "$work/scratch"
  mkdir "$work/scratch"
  tr '/' '_' <"$input" >"$work/typed"
  (cd "$work/scratch" && timeout 10 "$program" <"$work/typed" >/dev/null 2>"$work/err")
  status=$?
  runs=$((runs + 1))
  if [ "$status" -ne 0 ] || [ -s "$work/err" ]; then
    echo "FAIL: $(basename "$input"): status $status"
    head -n 5 "$work/err"
    failures=$((failures + 1))
  fi
done
echo "$runs regression inputs, $failures failures"
[ "$failures" -eq 0 ]
