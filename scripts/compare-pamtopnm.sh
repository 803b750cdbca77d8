#!/usr/bin/env bash
# Times the game loading a generated one-level 2000x2000 world against Netpbm's pamtopnm parsing
# the same three images (foreground, background, cell codes), for each image format the game
# reads; then peak memory, and the shipped game's time to its title page.
#
#   scripts/compare-pamtopnm.sh            RUNS=9 by default; RUNS=15 scripts/... for more
#
# The game side is build/bench/bench/quadrivant_instant: the game itself with every wait
# instant (bench/instant_clock.cpp), given "quit" as its only line, so a run is the load, the
# load-time check, the title page, one map frame and the goodbye page, without the 5 s of pauses.
# Both sides run the same way: bash's `time` (milliseconds) around /usr/bin/time (peak RSS)
# around sh -c, the two sides alternating, first one then the other, run after run; the table
# shows medians.
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${RUNS:-9}
BENCH_DIR=build/bench
GAME=$PWD/$BENCH_DIR/bench/quadrivant_instant
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

# The world's cell data: three int layers and one character per cell.
cells=$((2000 * 2000))
cell_data_mib=$(awk -v c=$cells 'BEGIN { printf "%.1f", c * 13 / 1048576 }')

echo "Loading a one-level 2000x2000 world vs pamtopnm on its three images; median of $RUNS"
echo "alternating runs: wall time and CPU time (user + system) in ms, peak RSS in MiB."
echo
row() { printf '%-6s %9s %9s %7s %9s %9s %7s %9s %9s\n' "$@"; }
ratio() { awk -v g="$1" -v p="$2" 'BEGIN { printf "%.2fx", g / p }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
row format "game" "pamtopnm" ratio "game" "pamtopnm" ratio "game" "pamtopnm"
row "" wall wall wall cpu cpu cpu RSS RSS
for format in P2 P3 P5 P6; do
  dir=$WORLDS/$format
  case $format in P2 | P5) ext=pgm ;; *) ext=ppm ;; esac
  pam_command="pamtopnm fg.$ext && pamtopnm bg.$ext && pamtopnm codes.$ext"
  measure "$dir" "$game_command" >/dev/null # the files into the page cache
  measure "$dir" "$pam_command" >/dev/null
  : >"$WORLDS/game.$format" && : >"$WORLDS/pam.$format"
  for ((run = 0; run < RUNS; run++)); do
    if ((run % 2 == 0)); then
      measure "$dir" "$game_command" >>"$WORLDS/game.$format"
      measure "$dir" "$pam_command" >>"$WORLDS/pam.$format"
    else
      measure "$dir" "$pam_command" >>"$WORLDS/pam.$format"
      measure "$dir" "$game_command" >>"$WORLDS/game.$format"
    fi
  done
  game_ms=$(cut -d' ' -f1 "$WORLDS/game.$format" | median)
  pam_ms=$(cut -d' ' -f1 "$WORLDS/pam.$format" | median)
  game_cpu=$(cut -d' ' -f2 "$WORLDS/game.$format" | median)
  pam_cpu=$(cut -d' ' -f2 "$WORLDS/pam.$format" | median)
  game_kib=$(cut -d' ' -f3 "$WORLDS/game.$format" | sort -n | tail -n 1)
  pam_kib=$(cut -d' ' -f3 "$WORLDS/pam.$format" | sort -n | tail -n 1)
  row "$format" "$game_ms" "$pam_ms" "$(ratio "$game_ms" "$pam_ms")" "$game_cpu" "$pam_cpu" \
    "$(ratio "$game_cpu" "$pam_cpu")" "$(mib "$game_kib")" "$(mib "$pam_kib")"
done
echo "(ratio: game time / pamtopnm time; below 1.00x the game is faster)"

echo
echo "Peak memory (largest of the runs above, MiB):"
echo "  world cell data, 2000x2000 x 13 bytes:        $cell_data_mib"
baseline=$(measure game "$game_command" | cut -d' ' -f3)
echo "  game on the shipped world (fixed part):       $(mib "$baseline")"
refused=$(measure "$WORLDS/refused" "'$GAME' </dev/null" | cut -d' ' -f3)
echo "  refused 1x4000000 P5 layer in a 69x23 world:  $(mib "$refused")" \
  "(4 bytes per sample: $(awk 'BEGIN { printf "%.1f", 4000000 * 4 / 1048576 }'))"

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
