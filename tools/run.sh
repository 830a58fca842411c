#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Without a
# display (neither DISPLAY nor WAYLAND_DISPLAY set) it runs on a virtual X
# server, so it starts on a machine without a screen too.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh tallyra
program=build/app/tallyra
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Tallyra on a virtual X server (xvfb-run)." >&2
  exec xvfb-run --auto-servernum "$program" "$@"
fi
exec "$program" "$@"
