#!/bin/sh
# Usage: install-packages.sh PURPOSE PACKAGE...
# Installs the Debian packages that PURPOSE (test, benchmark, ...) needs. As root on Debian or
# Ubuntu the missing packages are installed with apt-get; anywhere else the exact packages to
# install are printed.
purpose="$1"
shift
packages="$*"

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
  echo "Installing $purpose dependencies:$missing"
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
else
  echo "The $purpose dependencies are missing; install them with:"
  echo "  sudo apt-get install$missing"
  exit 1
fi
