#!/usr/bin/env bash
# Exchange formats against Python's configparser and csv on the same files.
exec python3 "$(dirname "$0")/exchange_vs_python.py" "$1"
