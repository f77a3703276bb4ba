#!/bin/sh
# Times the one-shot commands, whole process, start to exit, on generated
# input: info over a million random sets as CSV, count over ten million
# lines, compare --stats over a hundred thousand sets under each measure,
# and info of one set.  Usage: cli.sh BINARY
program=$(readlink -f "$1")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1

# COUNT random sets of 1 to 12 pitch classes as pitch-class characters, and
# as bit values those of 2 to 10 (fixed seeds).
awk -v count=1000000 'BEGIN {
  srand(1)
  for (i = 0; i < count; i++) {
    bits = 1 + int(rand() * 4095); line = ""
    for (k = 0; k < 12; k++) if (int(bits / 2^k) % 2) line = line substr("0123456789ab", k + 1, 1)
    print line
  }
}' > sets.txt
for k in 1 2 3 4 5 6 7 8 9 10; do cat sets.txt; done > corpus.txt
awk -v count=100000 'BEGIN {
  srand(2)
  while (n < count) {
    bits = 1 + int(rand() * 4095); c = 0
    for (k = 0; k < 12; k++) c += int(bits / 2^k) % 2
    if (c >= 2 && c <= 10) { print bits; n++ }
  }
}' > list.txt

# time_ms COMMAND...: runs it, output discarded, and prints its time in ms;
# a failed run ends the script.
time_ms() {
  start=$(date +%s%N)
  "$@" > /dev/null || { echo "failed: $*" >&2; kill $$; }
  end=$(date +%s%N)
  echo $(( (end - start) / 1000000 ))
}

ms=$(time_ms sh -c "'$program' info --format csv --input - < sets.txt")
echo "info --format csv, 1,000,000 sets:        $ms ms (target 1000 ms)"
ms=$(time_ms sh -c "'$program' count --input - < corpus.txt")
echo "count, 10,000,000 lines:                  $ms ms (target 2000 ms)"
slowest=0
for measure in $(seq 1 16); do
  ms=$(time_ms "$program" compare --measure "$measure" --list list.txt --stats)
  [ "$ms" -gt "$slowest" ] && slowest=$ms
done
echo "compare --stats, 100,000 sets, slowest of the 16 measures: $slowest ms (target 1000 ms)"
ms=$(time_ms "$program" compare --measure all --list list.txt --stats)
echo "compare --stats, 100,000 sets, all 16 measures in one run: $ms ms (text of 1,600,000 rows)"
start=$(date +%s%N)
for k in $(seq 1 100); do "$program" info 047 > /dev/null || exit 1; done
end=$(date +%s%N)
echo "info 047, mean of 100 runs:               $(( (end - start) / 100000 )) us (target 5000 us)"
