#!/usr/bin/env bash
# Prints the program's version: the one in the main window's caption in app/Form1.dfm ("... V2.18"),
# where cmake/Version.cmake reads it too.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n "s/^  Caption = '.* V\([0-9][0-9]*\.[0-9][0-9]*\)'\r\{0,1\}$/\1/p" "$root/app/Form1.dfm" |
          head -n 1)
if [ -z "$version" ]; then
    echo "version.sh: the main window's caption in app/Form1.dfm names no version" >&2
    exit 1
fi
echo "$version"
