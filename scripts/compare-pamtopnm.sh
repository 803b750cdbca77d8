#!/usr/bin/env bash
# Times the game loading a generated one-level 2000x2000 world against Netpbm's pamtopnm parsing
# the same three images (foreground, background, cell codes) and against the floor, a program
# that reads every file of the world whole into memory it keeps and parses nothing; for each
# image format the game reads, with full tables and with one entry a table. Then peak memory,
# and the shipped game's time to its title page.
#
#   scripts/compare-pamtopnm.sh            RUNS=9 by default; RUNS=15 scripts/... for more
#
# The game side is build/bench/bench/quadrivant_instant: the game itself with every wait
# instant (bench/instant_program.cpp), given "quit" as its only line, so a run is the load, the
# load-time check, the title page, one map frame and the goodbye page, without the 5 s of pauses.
# The floor is build/bench/bench/quadrivant_floor (bench/floor.cpp). All three run the same way:
# bash's `time` (milliseconds) around /usr/bin/time (peak RSS) around sh -c, taking turns in an
# order that moves on by one every run; the tables show medians.
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${RUNS:-9}
BENCH_DIR=build/bench
GAME=$PWD/$BENCH_DIR/bench/quadrivant_instant
FLOOR=$PWD/$BENCH_DIR/bench/quadrivant_floor
SHIPPED=$PWD/build/release/quadrivant

sh scripts/install-packages.sh comparison time netpbm strace
make --no-print-directory bench-build release JOBS="${JOBS:-2}" >/dev/null

WORLDS=$(mktemp -d "${TMPDIR:-/tmp}/quadrivant-compare-XXXXXX")
trap 'rm -rf "$WORLDS"' EXIT
"$BENCH_DIR/bench/quadrivant_bench" --write-files "$WORLDS" >/dev/null

# Runs `command` (a sh command line) in directory `dir` once; prints
# "<wall ms> <cpu ms> <peak KiB>", the CPU time being user + system time of every process.
measure() {
  local dir=$1 command=$2 rss times
  rss=$(mktemp)
  local TIMEFORMAT='%3R %3U %3S'
  times=$( { time (cd "$dir" && /usr/bin/time -f %M -o "$rss" sh -c "$command" >/dev/null 2>&1); } 2>&1)
  echo "$(echo "$times" | awk '{ printf "%.1f %.1f", $1 * 1000, ($2 + $3) * 1000 }') $(tail -n 1 "$rss")"
  rm -f "$rss"
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { printf "%.1f\n", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

game_command="printf 'quit\\n' | '$GAME'"
floor_command="'$FLOOR' *"

# The world's cell data: three layers of a byte and one character per cell.
cells=$((2000 * 2000))
cell_data_mib=$(awk -v c=$cells 'BEGIN { printf "%.1f", c * 4 / 1048576 }')

# Times `world` RUNS times on each side; leaves one line per run in $WORLDS/<side>.<world>.
time_world() {
  local world=$1 dir=$WORLDS/$1 ext sides side run turn
  case $world in P2* | P5*) ext=pgm ;; *) ext=ppm ;; esac
  local pam_command="pamtopnm fg.$ext && pamtopnm bg.$ext && pamtopnm codes.$ext"
  sides=(game pam floor)
  declare -A commands=([game]=$game_command [pam]=$pam_command [floor]=$floor_command)
  for side in "${sides[@]}"; do
    measure "$dir" "${commands[$side]}" >/dev/null # the files into the page cache
    : >"$WORLDS/$side.$world"
  done
  for ((run = 0; run < RUNS; run++)); do
    for ((turn = 0; turn < 3; turn++)); do
      side=${sides[(run + turn) % 3]}
      measure "$dir" "${commands[$side]}" >>"$WORLDS/$side.$world"
    done
  done
}

# The median of field `field` (1 wall, 2 CPU) of a side's runs on `world`.
median_of() { cut -d' ' -f"$3" "$WORLDS/$1.$2" | median; }
# The largest peak RSS of a side's runs on `world`, in KiB.
peak_of() { cut -d' ' -f3 "$WORLDS/$1.$2" | sort -n | tail -n 1; }

row() { printf '%-13s %8s %9s %7s %14s %11s\n' "$@"; }
cpu_row() { printf '%-13s %8s %9s %7s %9s %9s %7s\n' "$@"; }
ratio() { awk -v g="$1" -v p="$2" 'BEGIN { printf "%.2fx", g / p }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

worlds=()
for format in P2 P3 P5 P6; do worlds+=("$format" "$format-one-entry"); done
for world in "${worlds[@]}"; do time_world "$world"; done

echo "Loading a one-level 2000x2000 world (full tables, or one entry a table) against pamtopnm on"
echo "its three images and the floor reading every file of the world whole; median of $RUNS runs"
echo "of the three in turn."
echo
echo "Wall time, ms:"
row world game pamtopnm floor game/pamtopnm game/floor
for world in "${worlds[@]}"; do
  game_ms=$(median_of game "$world" 1)
  pam_ms=$(median_of pam "$world" 1)
  floor_ms=$(median_of floor "$world" 1)
  row "$world" "$game_ms" "$pam_ms" "$floor_ms" "$(ratio "$game_ms" "$pam_ms")" \
    "$(ratio "$game_ms" "$floor_ms")"
done
echo "(ratio: the game's time / the other's; below 1.00x the game is faster)"
echo
echo "CPU time (user + system), ms, and peak RSS, MiB:"
cpu_row "" "CPU" "" "" "RSS" "" ""
cpu_row world game pamtopnm floor game pamtopnm floor
for world in "${worlds[@]}"; do
  cpu_row "$world" "$(median_of game "$world" 2)" "$(median_of pam "$world" 2)" \
    "$(median_of floor "$world" 2)" "$(mib "$(peak_of game "$world")")" \
    "$(mib "$(peak_of pam "$world")")" "$(mib "$(peak_of floor "$world")")"
done
echo
echo "Peak memory (largest of the runs above, MiB):"
echo "  world cell data, 2000x2000 x 4 bytes:         $cell_data_mib"
baseline=$(measure game "$game_command" | cut -d' ' -f3)
echo "  game on the shipped world (fixed part):       $(mib "$baseline")"
refused=$(measure "$WORLDS/refused" "'$GAME' </dev/null" | cut -d' ' -f3)
echo "  refused 1x4000000 P5 layer in a 69x23 world:  $(mib "$refused")" \
  "(a byte per sample: $(awk 'BEGIN { printf "%.1f", 4000000 / 1048576 }'))"

echo
if ! command -v strace >/dev/null 2>&1; then
  echo "(strace is missing: no timing of the title page)"
  exit 0
fi
# With a seccomp filter only the traced calls stop the game, so tracing adds little to its time.
trace_options="-f -ttt"
strace -f --seccomp-bpf -e trace=write -o /dev/null true 2>/dev/null && trace_options="$trace_options --seccomp-bpf"
echo "Shipped game (build/release/quadrivant, real waits) on game/: time from its start to the"
echo "end of the title page, the last write before its first wait (strace timestamps, ms):"
: >"$WORLDS/title"
for ((run = 0; run < 5; run++)); do
  # shellcheck disable=SC2086
  (cd game && strace $trace_options -e trace=execve,write,nanosleep,clock_nanosleep \
    -o "$WORLDS/trace" "$SHIPPED" </dev/null >/dev/null)
  awk '/execve\(/ && !start { start = $2 }
       /sleep\(/ { print (last - start) * 1000; exit }
       /write\(1,/ { last = $2 }' "$WORLDS/trace" >>"$WORLDS/title"
done
echo "  median of 5: $(median <"$WORLDS/title")"

# The game's own CPU time, without the wrappers of measure(): load, load-time check, title page,
# one frame and goodbye.
: >"$WORLDS/whole"
printf 'quit\n' >"$WORLDS/quit"
(
  cd game
  TIMEFORMAT='%3R %3U %3S'
  for ((run = 0; run < RUNS; run++)); do { time "$GAME" <"$WORLDS/quit" >/dev/null; } 2>>"$WORLDS/times"; done
)
awk '{ printf "%.1f %.1f\n", $1 * 1000, ($2 + $3) * 1000 }' "$WORLDS/times" >"$WORLDS/whole"
echo "The same path with every wait instant (quadrivant_instant on game/, given \"quit\"): load,"
echo "check, title page, one frame and goodbye; median of $RUNS runs:"
echo "  wall $(cut -d' ' -f1 "$WORLDS/whole" | median) ms, CPU $(cut -d' ' -f2 "$WORLDS/whole" | median) ms"
