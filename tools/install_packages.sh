#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, only those that
# are missing. Called by ./run and ./test; run it alone to prepare a machine.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev libgl-dev libxcb1-dev libx11-dev
          libgtest-dev qt6-translations-l10n libbenchmark-dev)
if [ "${1:-}" = "--ci" ]; then
  # The checks CI runs besides the tests.
  packages+=(clang-format clang-tidy)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
  else
    echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
fi
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
