#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache
  qt6-base-dev libqt6sql6-sqlite qt6-tools-dev qt6-tools-dev-tools
  qt6-l10n-tools qt6-translations-l10n libquazip1-qt6-dev
  fonts-material-design-icons-iconfont fonts-dejavu-core
  qt6-qpa-plugins xvfb xauth libbenchmark-dev sqlite3 libsqlite3-dev
  clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
