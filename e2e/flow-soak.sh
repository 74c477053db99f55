#!/usr/bin/env bash
# The short soak of every test run: 300 random key strokes and clicks with a
# fixed seed (scripts/soak.sh; the long run is scripts/soak.sh with no
# arguments).
exec "$(dirname "$0")/../scripts/soak.sh" 300 7 "$1" "$2"
