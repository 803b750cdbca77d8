// The cell codes of a level's collision layer, 0..255, and the table entry each one names:
//   0 free ground;  1..49 obstruction 49 - code;  50..99 room transition code - 50;
//   100..199 problem code - 100;  200..253 information entry code - 200 (unlocking it clears
//   obstruction code - 200 of the same level);  254 finish;  255 obstacle.
// Every code but free ground and a cleared obstruction stops a move before its cell.
#pragma once

enum class CellKind {
  free_ground,
  obstruction,
  room_transition,
  problem,
  information,
  finish,
  obstacle,
  not_a_code,  // outside 0..255: no well-formed layer holds it
};

constexpr CellKind cell_kind(int code) {
  if (code < 0 || code > 255) return CellKind::not_a_code;
  if (code == 0) return CellKind::free_ground;
  if (code <= 49) return CellKind::obstruction;
  if (code <= 99) return CellKind::room_transition;
  if (code <= 199) return CellKind::problem;
  if (code <= 253) return CellKind::information;
  return code == 254 ? CellKind::finish : CellKind::obstacle;
}

// The index of the table entry that `code` names (obstruction, room transition, problem or
// information entry); 0 for the other kinds.
constexpr int entry_index(int code) {
  switch (cell_kind(code)) {
    case CellKind::obstruction:
      return 49 - code;
    case CellKind::room_transition:
      return code - 50;
    case CellKind::problem:
      return code - 100;
    case CellKind::information:
      return code - 200;
    default:
      return 0;
  }
}

// The cell code of obstruction k, which information entry k clears when it unlocks.
constexpr int obstruction_code(int k) {
  return 49 - k;
}
