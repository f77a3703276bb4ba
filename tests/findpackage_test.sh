#!/bin/sh
# Installs the build into a scratch prefix, builds the example program
# against the installed engine package as an outside project would, and
# runs it.  Usage: findpackage_test.sh CMAKE BUILD_DIR SCRATCH COMPILER FLAGS EXAMPLES_DIR
cmake=$1
build=$2
scratch=$3
compiler=$4
flags=$5
examples=$6
rm -rf "$scratch"
"$cmake" --install "$build" --prefix "$scratch/prefix" >/dev/null || exit 1
for f in include/pelantor/pcset.h lib/cmake/pelantor/pelantorConfig.cmake \
  lib/cmake/pelantor/pelantorConfigVersion.cmake; do
  [ -f "$scratch/prefix/$f" ] || { echo "missing $f"; exit 1; }
done
"$cmake" -S "$examples" -B "$scratch/build" -DCMAKE_PREFIX_PATH="$scratch/prefix" \
  -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="$flags" >"$scratch/configure.log" 2>&1 ||
  { cat "$scratch/configure.log"; exit 1; }
"$cmake" --build "$scratch/build" >"$scratch/build.log" 2>&1 || { cat "$scratch/build.log"; exit 1; }

status=0
# REL of 0146 and 0137: each holds one form of 11 subset classes of two or
# more notes; they share the six dyad classes and the trichords 3-5 and 3-8,
# so REL = 8 / sqrt(11 x 11) = 0.727.
expected='{0146} = T0 of [0146]  4-z15  <111111>
{0137} = T0 of [0137]  4-z29  <111111>
{32087} = T3I of [01378]  5-20  <211231>
REL({0146}, {0137}) = 0.727'
actual=$("$scratch/build/setinfo" 0146 "1 3 7 0" --forte 02378)
if [ "$actual" != "$expected" ]; then
  printf 'expected:\n%s\nactual:\n%s\n' "$expected" "$actual"
  status=1
fi
error=$("$scratch/build/setinfo" 04x 2>&1 >/dev/null)
code=$?
[ "$code" = 1 ] || { echo "bad set: status $code, not 1"; status=1; }
[ "$error" = "setinfo: 'x' is not a pitch class" ] || { echo "bad set: $error"; status=1; }
exit $status
