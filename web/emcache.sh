#!/bin/sh
# Prints the folder in which Emscripten is to keep its system libraries:
# its own cache where that comes built and frozen (Debian's) or can be
# written to, else a folder under the build folder given, which the first
# build fills (a few minutes).
#   usage: emcache.sh BUILD
cache=$(em-config CACHE) || exit 1
if [ "$(em-config FROZEN_CACHE)" = True ] || { mkdir -p "$cache" 2>/dev/null && [ -w "$cache" ]; }
then
  echo "$cache"
else
  echo "$(cd "$1" && pwd)/emcache"
fi
