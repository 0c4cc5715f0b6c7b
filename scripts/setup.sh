#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Safe to run again: when every
# package is present it changes nothing and does not touch the network.
set -euo pipefail
packages=(
  cmake g++ make
  librcutils-dev librosidl-runtime-c-cpp-dev libfastcdr-dev python3-dev
  libgtest-dev libbenchmark-dev python3-pytest
  nodejs npm
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# nodejs/npm may come from outside Debian's packages on some machines: a working node is enough.
if command -v node >/dev/null && command -v npm >/dev/null; then
  missing=("${missing[@]/nodejs}"); missing=("${missing[@]/npm}")
fi
read -r -a missing <<< "${missing[*]:-}"
if [ "${#missing[@]}" -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
