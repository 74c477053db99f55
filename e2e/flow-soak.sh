#!/usr/bin/env bash
# The short soak of every test run: 300 random key strokes and clicks with a
# fixed seed (scripts/soak.sh; the long run is scripts/soak.sh with no
# arguments). The seed's first events load a damaged file, so that even a
# short run meets the files and messages it counts.
exec "$(dirname "$0")/../scripts/soak.sh" 300 176 "$1" "$2"
