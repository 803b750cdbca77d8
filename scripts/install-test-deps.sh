#!/bin/sh
# Installs what the test suite needs (see install-packages.sh).
exec sh "$(dirname "$0")/install-packages.sh" test \
  cmake g++ make pkg-config libgtest-dev libvterm-dev tmux
