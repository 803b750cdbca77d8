// The cell codes of a level's collision layer, 0..255, and the table entry each one names:
//   0 free ground;  1..49 obstruction 49 - code;  50..99 room transition code - 50;
//   100..199 problem code - 100;  200..253 information entry code - 200 (unlocking it clears
//   obstruction code - 200 of the same level);  254 finish;  255 obstacle.
// Every code but free ground and a cleared obstruction stops a move before its cell.
#pragma once

namespace quadrivant {

inline constexpr int free_ground_code = 0;
inline constexpr int last_obstruction_code = 49;  // obstruction 0; obstruction 48 is code 1
inline constexpr int room_transition_base = 50;   // room transition k is code 50 + k
inline constexpr int problem_base = 100;          // problem k is code 100 + k
inline constexpr int information_base = 200;      // information entry k is code 200 + k
inline constexpr int finish_code = 254;
inline constexpr int obstacle_code = 255;
inline constexpr int highest_code = 255;

// How many entries of each table the codes can name.
inline constexpr int most_obstructions = last_obstruction_code;                    // 49
inline constexpr int most_room_transitions = problem_base - room_transition_base;  // 50
inline constexpr int most_problems = information_base - problem_base;              // 100
inline constexpr int most_information_codes = finish_code - information_base;      // 54
// Codes 200..253 name 54 information entries, but entry k clears obstruction k, and only 49
// obstructions can stand on the map: a world that gives every entry a gate has at most 49.
inline constexpr int most_informations = most_obstructions;

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
  if (code < free_ground_code || code > highest_code) return CellKind::not_a_code;
  if (code == free_ground_code) return CellKind::free_ground;
  if (code <= last_obstruction_code) return CellKind::obstruction;
  if (code < problem_base) return CellKind::room_transition;
  if (code < information_base) return CellKind::problem;
  if (code < finish_code) return CellKind::information;
  return code == finish_code ? CellKind::finish : CellKind::obstacle;
}

// The index of the table entry that `code` names (obstruction, room transition, problem or
// information entry); 0 for the other kinds.
constexpr int entry_index(int code) {
  switch (cell_kind(code)) {
    case CellKind::obstruction:
      return last_obstruction_code - code;
    case CellKind::room_transition:
      return code - room_transition_base;
    case CellKind::problem:
      return code - problem_base;
    case CellKind::information:
      return code - information_base;
    default:
      return 0;
  }
}

// The cell codes of the entries of each table.
constexpr int obstruction_code(int k) {
  return last_obstruction_code - k;
}
constexpr int room_transition_code(int k) {
  return room_transition_base + k;
}
constexpr int problem_code(int k) {
  return problem_base + k;
}
constexpr int information_code(int k) {
  return information_base + k;
}

// Information entry k opens the gate of obstruction k of its own level when it unlocks.
constexpr int gate_of_information(int k) {
  return k;
}

}  // namespace quadrivant
