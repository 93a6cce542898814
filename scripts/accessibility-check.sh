#!/usr/bin/env bash
# Checks what screen readers read from the desktop program through the accessibility bus: runs
# scripts/accessibility-check.py in a virtual display with a private D-Bus session.
# Usage: scripts/accessibility-check.sh PROGRAM   (for example build/test/bin/lorvane)
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:?usage: scripts/accessibility-check.sh PROGRAM}
# The private D-Bus daemon reports every service it starts on standard error: kept quiet.
timeout 120 xvfb-run -a -s "-screen 0 1366x768x24" dbus-run-session -- \
  /usr/bin/python3 scripts/accessibility-check.py "$program" 2>/dev/null
