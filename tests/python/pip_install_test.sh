#!/bin/sh
# pip install --no-build-isolation --no-index . into a scratch virtual
# environment that sees the system's packages (numpy): the package builds
# offline, installs with its stubs, and answers when imported from elsewhere.
# Usage: pip_install_test.sh [PYTHON]
set -e
python=${1:-/usr/bin/python3}
root=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$python" -m venv --system-site-packages "$scratch/venv"
cd "$root"
"$scratch/venv/bin/pip" install --quiet --no-build-isolation --no-index .
cd "$scratch"
"$scratch/venv/bin/python" - "$scratch/venv" <<'CHECK'
import pathlib
import sys

import pelantor

package = pathlib.Path(pelantor.__file__).parent
assert package.is_relative_to(sys.argv[1]), package
assert (package / "_engine.pyi").is_file() and (package / "py.typed").is_file()
assert pelantor.PcSet("047").tn_class == "3-11B"
print("pip install: pelantor", pelantor.__version__, "in", package)
CHECK
