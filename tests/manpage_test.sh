#!/bin/sh
# The manual page must format without a single warning.  Skipped (77) where
# groff is not installed.  Usage: manpage_test.sh PAGE
page=$1
command -v groff >/dev/null 2>&1 || { echo "groff not installed"; exit 77; }
warnings=$(groff -man -ww -z "$page" 2>&1) || { echo "$warnings"; exit 1; }
if [ -n "$warnings" ]; then
  echo "$warnings"
  exit 1
fi
