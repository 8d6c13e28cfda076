#!/usr/bin/env bash
# Installs the Debian packages given as arguments when any is missing: as root directly, through
# sudo where it works without a password prompt, and otherwise prints the exact command to run.
set -euo pipefail

missing=()
for pkg in "$@"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}" >&2
if [ "$(id -u)" -eq 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  sudo apt-get update -qq
  sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
else
  echo "Please install them first:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
