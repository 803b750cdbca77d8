#!/bin/sh
# make install: PREFIX and DESTDIR, as the caller wrote them (the Makefile hands them over in
# QUADRIVANT_PREFIX and QUADRIVANT_DESTDIR), must reach CMake unchanged. Blanks, quotes, '$',
# '*', '&' and the like are fine; a few characters CMake reads as its own, and those are refused
# before anything is built or written.
prefix=${QUADRIVANT_PREFIX-}
destdir=${QUADRIVANT_DESTDIR-}
line_break='
'
refuse() {
  echo "make install: $1" >&2
  exit 2
}

case $prefix in
  /*) ;;
  *) refuse "PREFIX must be an absolute path, not '$prefix'." ;;
esac
case $prefix in
  *"$line_break"*) refuse "PREFIX must not hold a line break." ;;
  *';'* | *'"'* | *'\'* | *'${'* | *'$ENV{'* | *'$CACHE{'*)
    refuse "PREFIX must not hold ';', '\"', '\\' or '\${': CMake, which installs, reads them as its own." ;;
esac
case $destdir in
  *"$line_break"*) refuse "DESTDIR must not hold a line break." ;;
  *'\'*) refuse "DESTDIR must not hold '\\': CMake, which installs, reads it as '/'." ;;
esac
exit 0
