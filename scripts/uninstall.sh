#!/bin/sh
# make uninstall: removes what `cmake --install` wrote from the build folder BUILD_DIR, as the
# install record there lists it (scripts/install-record.cmake writes it): every file the install
# wrote, then every directory it made once that is empty. Nothing is removed while a directory
# of the record leads somewhere else than it did at install time (a prefix that is a link, taken
# to another place since), and the record stays until every file in it is gone.
set -u
build=${1:?usage: uninstall.sh BUILD_DIR}
record=$build/install_record.txt
if [ ! -f "$record" ]; then
  echo "Nothing installed from this tree."
  exit 1
fi

refuse() {
  echo "make uninstall: $1" >&2
  exit 1
}

# Sets `place` to the path of the record's directory $1: '.' is the root, '..', '../..' and so
# on are the directories above it, anything else lies below it.
locate() {
  case $1 in
    .) place=$root ;;
    ..*)
      place=$root
      steps=$1
      while [ -n "$steps" ]; do
        place=${place%/*}
        steps=${steps#..}
        steps=${steps#/}
      done ;;
    *) place=$root/$1 ;;
  esac
  [ -n "$place" ] || place=/
}

# Reads the record; runs `$1 KEY VALUE` for every line after the root.
each_line() {
  root=
  root_seen=
  while IFS= read -r line; do
    case $line in
      '#'*) ;;
      "root "*) root=${line#root }; root_seen=yes ;;
      *)
        [ -n "$root_seen" ] || refuse "$record names no root."
        "$1" "${line%% *}" "${line#* }" ;;
    esac
  done < "$record"
  return 0
}

# First every directory is checked: it is missing, or it still leads where it did.
check() {
  case $1 in
    directory) locate "$2"; directory=$place ;;
    real)
      if [ -L "$directory" ] && [ ! -e "$directory" ]; then
        refuse "$directory led to $2 at install time and now leads nowhere; nothing is removed."
      elif [ -d "$directory" ]; then
        now=$(cd -P "$directory" && pwd -P) || refuse "cannot look into $directory."
        [ "$now" = "$2" ] ||
          refuse "$directory led to $2 at install time and now leads to $now; nothing is removed."
      fi ;;
  esac
}

# Then every file is removed, and told of if it cannot be.
files_removed=0
files_left=0
remove() {
  case $1 in
    directory) locate "$2"; directory=${place%/} ;;
    file)
      file=$directory/$2
      if [ -e "$file" ] || [ -L "$file" ]; then
        rm -f "$file" 2>/dev/null && files_removed=$((files_removed + 1))
      fi
      if [ -e "$file" ] || [ -L "$file" ]; then
        echo "make uninstall: $file could not be removed" >&2
        files_left=$((files_left + 1))
      fi ;;
  esac
}

# Last the directories the install made, deepest first, each if it is empty now.
directories_removed=0
remove_made() {
  if [ "$1" = made ]; then
    locate "$2"
    rmdir "$place" 2>/dev/null && directories_removed=$((directories_removed + 1))
  fi
}

each_line check
each_line remove
each_line remove_made
if [ "$files_left" -gt 0 ]; then
  echo "make uninstall: $files_left files are left; $record keeps them." >&2
  exit 1
fi
rm -f "$record" "$build/install_manifest.txt"
echo "Removed $files_removed files and $directories_removed directories from ${root:-/}."
