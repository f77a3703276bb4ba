#!/bin/sh
# End of input at every prompt of every feature: each transcript script is
# cut after each of its lines, and again in the middle of the next line, and
# every cut script must end the program with status 0, quickly and without a
# word on stderr.  Usage: eofeverywhere.sh PROGRAM TRANSCRIPTS-FOLDER
program=$1
folder=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
runs=0

# run BASE LABEL: types the cut script at the program in a fresh copy of the
# files BASE.given/ holds; LABEL names the cut in a failure.
run() {
  rm -rf "$work/scratch"
  mkdir "$work/scratch"
  if [ -d "$2.given" ]; then cp -R "$2.given/." "$work/scratch/"; fi
  (cd "$work/scratch" && timeout 20 "$program" <"$work/cut" >/dev/null 2>"$work/err")
  status=$?
  runs=$((runs + 1))
  if [ "$status" -ne 0 ] || [ -s "$work/err" ]; then
    echo "FAIL: $(basename "$2") cut $3: status $status"
    head -n 5 "$work/err"
    failures=$((failures + 1))
  fi
}

for script in "$folder"/*.in; do
  base=${script%.in}
  lines=$(wc -l <"$script")
  k=0
  while [ "$k" -le "$lines" ]; do
    head -n "$k" "$script" >"$work/cut"
    run "$work/cut" "$base" "after line $k"
    # The next line's first character, without its line end.
    next=$(sed -n "$((k + 1))p" "$script" | cut -c 1)
    if [ -n "$next" ]; then
      printf '%s' "$next" >>"$work/cut"
      run "$work/cut" "$base" "inside line $((k + 1))"
    fi
    k=$((k + 1))
  done
done
echo "$runs cut scripts, $failures failures"
[ "$failures" -eq 0 ]
