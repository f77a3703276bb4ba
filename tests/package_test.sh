#!/bin/sh
# Builds the Debian package of a build folder and has lintian check it: any
# error (E:) or warning (W:) fails the test, and so does a changelog whose
# latest entry is not the package's version.  Exit status 77 skips the test
# where lintian is not installed.
# Usage: package_test.sh CPACK BUILD_DIR PACKAGE_DIR
cpack=$1
build=$2
out=$3
command -v lintian >/dev/null 2>&1 || { echo "lintian not installed"; exit 77; }
rm -rf "$out"
mkdir -p "$out"
# The package's folders take their modes from the umask.
umask 022
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/*.deb)
status=0

# Lintian's notes (I:) are shown but pass.
lintian --display-info --fail-on error,warning "$deb" >"$out/lintian.txt" 2>"$out/lintian.err"
lintianstatus=$?
cat "$out/lintian.txt"
if [ "$lintianstatus" -ne 0 ] || grep -q '^[EW]:' "$out/lintian.txt"; then
  echo "lintian: status $lintianstatus, errors or warnings"
  cat "$out/lintian.err"
  status=1
fi

version=$(dpkg-deb --field "$deb" Version)
latest=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/pelantor/changelog.gz |
  gzip -dc | sed -n '1s/^pelantor (\([^)]*\)).*/\1/p')
if [ "$latest" != "$version" ]; then
  echo "the changelog's latest entry is '$latest', the package's version $version"
  status=1
fi
exit $status
