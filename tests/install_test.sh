#!/bin/sh
# Installs the build into a scratch prefix and checks that the binary, the
# manual page, the changelog, the licence and the bash completion arrive
# where they belong and that the installed binary runs.
# Usage: install_test.sh CMAKE BUILD_DIR PREFIX
cmake=$1
build=$2
prefix=$3
rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || exit 1
status=0
for f in bin/pelantor share/doc/pelantor/copyright share/bash-completion/completions/pelantor; do
  [ -f "$prefix/$f" ] || { echo "missing $f"; status=1; }
done
for f in share/man/man1/pelantor.1 share/doc/pelantor/changelog; do
  if [ ! -f "$prefix/$f.gz" ] && [ ! -f "$prefix/$f" ]; then
    echo "missing $f(.gz)"
    status=1
  fi
done
"$prefix/bin/pelantor" --version | grep -q '^pelantor ' || { echo "installed binary fails"; status=1; }
printf 'n\n' | "$prefix/bin/pelantor" | grep -q 'Command:' || { echo "installed binary has no menu"; status=1; }
exit $status
