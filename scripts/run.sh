#!/usr/bin/env bash
# Builds the game and starts it. Without a display it says so and plays the bundled walkthrough
# headless instead, so the game can be seen playing through on any machine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh cmake ninja-build g++ qt6-base-dev qt6-svg-dev \
  fonts-ipafont-gothic fonts-ipafont-mincho libgtest-dev libgmock-dev
cmake --preset default >/dev/null
cmake --build --preset default >&2

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "$#" -eq 0 ]; then
  echo "No display found: replaying the bundled walkthrough instead (dokasuka2 --demo)." >&2
  exec build/default/dokasuka2 --demo
fi
exec build/default/dokasuka2 "$@"
