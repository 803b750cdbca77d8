#!/bin/sh
# Installs what the test suite and the fuzz targets need. As root on Debian or Ubuntu the missing
# packages are installed with apt-get; anywhere else the exact packages to install are printed.
# libc++ builds the game as macOS does (make libcxx); man-db renders the man page in its test;
# the game itself links utf8proc.
packages="cmake g++ make pkg-config libutf8proc-dev libgtest-dev libvterm-dev tmux clang libc++-dev
  libc++abi-dev man-db groff-base"

# Whether clang++ can link a libFuzzer target with both sanitizers.
clang_links_fuzzers() {
  echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer,address,undefined -o /dev/null - >/dev/null 2>&1
}

# The Debian package with libFuzzer and the sanitizer runtimes of the installed clang.
clang_runtime_package() {
  major=$(clang++ -dumpversion 2>/dev/null | cut -d. -f1)
  [ -n "$major" ] && echo "libclang-rt-$major-dev"
}

missing_packages() {
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
      printf ' %s' "$p"
  done
}

install_packages() {
  if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
    echo "Installing test dependencies:$1"
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $1
  else
    echo "The tests need these packages; install them with:"
    echo "  sudo apt-get install$1"
    exit 1
  fi
}

if [ "$(uname -s)" = Darwin ]; then
  echo "On macOS, install the Homebrew formulae (Xcode's clang and libc++ build the game):"
  echo "  brew install cmake utf8proc googletest libvterm tmux pkg-config llvm"
  exit 0
fi

if ! command -v dpkg-query >/dev/null 2>&1; then
  echo "Not a Debian system: make sure these (or your system's equivalents) are installed:"
  echo "  $packages (clang with its libFuzzer and sanitizer runtimes)"
  exit 0
fi

missing=$(missing_packages $packages)
[ -z "$missing" ] || install_packages "$missing"

# Debian ships libFuzzer apart from clang (libclang-rt-N-dev); elsewhere clang may hold it.
if ! clang_links_fuzzers; then
  runtime=$(clang_runtime_package)
  missing=$(missing_packages $runtime)
  [ -z "$missing" ] || install_packages "$missing"
fi
