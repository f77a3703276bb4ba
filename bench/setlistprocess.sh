#!/bin/sh
# Times the whole program, start to end of input, comparing a file of 222
# sets with itself under each of the sixteen measures: results written to a
# report file, the screen output discarded.  Usage: setlistprocess.sh BINARY
program=$(readlink -f "$1")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1

# Every set class of 2 to 10 notes (the smallest of its 24 forms), then two
# more: 222 sets, one decimal value a line.
awk 'function rot(x, n,   i) { for (i = 0; i < n; i++) x = (x * 2 % 4096) + int(x * 2 / 4096); return x }
     function inv(x,   k, r) { r = 0; for (k = 0; k < 12; k++) if (int(x / 2^k) % 2) r += 2^((12 - k) % 12); return r }
     function bits(x,   c) { c = 0; while (x) { c += x % 2; x = int(x / 2) }; return c }
     BEGIN {
       for (s = 1; s < 4096; s++) {
         c = bits(s); if (c < 2 || c > 10) continue
         best = s; i = inv(s)
         for (n = 0; n < 12; n++) { t = rot(s, n); u = rot(i, n); if (t < best) best = t; if (u < best) best = u }
         if (!(best in seen)) { seen[best] = 1; order[c, ++count[c]] = best }
       }
       for (c = 2; c <= 10; c++) for (k = 1; k <= count[c]; k++) print order[c, k]
       print 145; print 1171
     }' > classes.txt
[ "$(wc -l < classes.txt)" -eq 222 ] || { echo "expected 222 sets"; exit 1; }

slowest=0
for measure in $(seq 1 16); do
  printf 'y\nreport.txt\n6\n4\nclasses.txt\n%d\n' "$measure" > script.txt
  rm -f report.txt
  start=$(date +%s%N)
  "$program" < script.txt > /dev/null || exit 1
  end=$(date +%s%N)
  ms=$(( (end - start) / 1000000 ))
  printf 'measure %2d: %4d ms\n' "$measure" "$ms"
  [ "$ms" -gt "$slowest" ] && slowest=$ms
done
echo "slowest: $slowest ms (target 300 ms)"
