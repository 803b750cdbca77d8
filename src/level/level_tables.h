// The three small per-level tables: room transitions, dialogues (problems and information
// texts share one format) and obstructions. Each reader prints "Loading <path>\n" to `out` once
// the file is open and throws LoadError on any fault. Relative paths are taken from the
// world's directory.
#pragma once

#include <cstdio>
#include <string>
#include <vector>
#include "level/level_file.h"

#include "level/map_data.h"

std::vector<RoomTransition> read_room_transition_file(const WorldFile& world_file, std::FILE* out);

// All flags start at 0.
DialogueTable read_dialogue_file(const WorldFile& world_file, std::FILE* out);

// All cleared flags start at 0.
ObstructionTable read_obstruction_file(const WorldFile& world_file, std::FILE* out);
