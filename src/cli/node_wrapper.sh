#!/bin/sh
# SPDX-License-Identifier: MIT
# tevrimo-cli under node, run as the native program is run. node opens /dev/null in place
# of a closed standard descriptor; the program is told which ones were closed.
closed=
{ true 3<&0; } 2>/dev/null || closed=0
{ true 3>&1; } 2>/dev/null || closed="$closed 1"
TEVRIMO_CLOSED_FDS=$closed exec node "$(dirname "$0")/tevrimo-cli.js" "$@"
