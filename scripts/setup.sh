#!/usr/bin/env bash
# Installs the Debian packages the build needs, when some are missing.
# As root it installs them; otherwise it prints the exact commands and fails.
set -euo pipefail

packages=(
  cmake g++ make python3
  qt6-base-dev qt6-svg-dev
  libgtest-dev
  fonts-liberation2 fonts-dejavu-core
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

install_cmd=(apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}")
if [[ $(id -u) -eq 0 ]]; then
  echo "Installing missing packages: ${missing[*]}" >&2
  apt-get update
  DEBIAN_FRONTEND=noninteractive "${install_cmd[@]}"
else
  echo "These Debian packages are missing: ${missing[*]}" >&2
  echo "Install them as root, then run this command again:" >&2
  echo "  apt-get update" >&2
  echo "  ${install_cmd[*]}" >&2
  exit 1
fi
