#!/usr/bin/env bash
# Succeeds when this machine runs 32-bit x86 programs, which the 32-bit
# Wine needs. A kernel without 32-bit execution refuses even the system's
# own 32-bit loader ("Exec format error", exit code 126); any other outcome
# counts as able, so that a broken Wine still shows up as failing tests.
loader=/lib/ld-linux.so.2
[ -e "$loader" ] || exit 0
"$loader" --version >/dev/null 2>&1
[ $? -ne 126 ]
