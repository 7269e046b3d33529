#!/usr/bin/env bash
# Formats every man page as man does and fails on any warning from groff.
# Usage: man_pages_test.sh MAN_DIR
set -euo pipefail
status=0
for page in "$1"/*.[1-9]; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 > /dev/null)
    if [ -n "$warnings" ]; then
        echo "$page:"
        echo "$warnings"
        status=1
    fi
done
exit $status
