#!/usr/bin/env bash
# The short soak of every test run (scripts/soak.sh): 300 events of a seed
# whose first ones load a damaged file.
exec "$(dirname "$0")/../scripts/soak.sh" 300 176 "$1" "$2"
