# Installs the Debian packages the build needs, only when some are missing.
# Sourced by ./run and ./test.

VESMIR_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev libgl-dev libxcb1-dev
                 libx11-dev libgtest-dev qt6-translations-l10n libbenchmark-dev)

ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
      return 1
    fi
  fi
  "${sudo[@]}" apt-get update -q &&
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
