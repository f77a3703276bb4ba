#!/bin/sh
# End of input at every prompt that some transcript reaches: for each
# transcript script, eofcuts names the points where the program asks at a
# prompt that no earlier cut has reached.  The script is cut there, after the
# lines typed so far and again in the middle of the next line, and every cut
# script must end the program with status 0, quickly and without a word on
# stderr.  A prompt reached a second time, in this script or another, ends
# the input the same way, so it is not cut again.
# Usage: eofeverywhere.sh PROGRAM EOFCUTS TRANSCRIPTS-FOLDER
program=$1
eofcuts=$2
folder=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
runs=0

# scratch BASE: an empty scratch folder with a fresh copy of the files that
# BASE.given/ holds.
scratch() {
  rm -rf "$work/scratch"
  mkdir "$work/scratch"
  if [ -d "$1.given" ]; then cp -R "$1.given/." "$work/scratch/"; fi
}

# run BASE LABEL: types the cut script at the program in the scratch folder
# of BASE; LABEL names the cut in a failure.
run() {
  scratch "$1"
  (cd "$work/scratch" && timeout 20 "$program" <"$work/cut" >/dev/null 2>"$work/err")
  status=$?
  runs=$((runs + 1))
  if [ "$status" -ne 0 ] || [ -s "$work/err" ]; then
    echo "FAIL: $(basename "$1") cut $2: status $status"
    head -n 5 "$work/err"
    failures=$((failures + 1))
  fi
}

for script in "$folder"/*.in; do
  base=${script%.in}
  scratch "$base"
  cuts=$(cd "$work/scratch" && "$eofcuts" "$script" "$work/covered") || {
    echo "FAIL: $(basename "$base"): the whole script ends with status $?"
    failures=$((failures + 1))
  }
  for k in $cuts; do
    head -n "$k" "$script" >"$work/cut"
    run "$base" "after line $k"
    # The next line's first character, without its line end.
    next=$(sed -n "$((k + 1))p" "$script" | cut -c 1)
    if [ -n "$next" ]; then
      printf '%s' "$next" >>"$work/cut"
      run "$base" "inside line $((k + 1))"
    fi
  done
done
echo "$(wc -l <"$work/covered") prompts, $runs cut scripts, $failures failures"
[ "$failures" -eq 0 ]
