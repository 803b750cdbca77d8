#!/bin/sh
# Installs what the test suite needs. As root on Debian or Ubuntu the missing packages are
# installed with apt-get; anywhere else the exact packages to install are printed.
packages="cmake g++ make pkg-config libgtest-dev libvterm-dev tmux"

missing=""
if command -v dpkg-query >/dev/null 2>&1; then
  for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
      missing="$missing $p"
  done
else
  echo "Not a Debian system: make sure these (or your system's equivalents) are installed:"
  echo "  $packages"
  exit 0
fi

[ -z "$missing" ] && exit 0

if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
  echo "Installing test dependencies:$missing"
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
else
  echo "The tests need these packages; install them with:"
  echo "  sudo apt-get install$missing"
  exit 1
fi
