// The walkthrough: the exact input lines that win the game from a fresh start, found by walking
// the route's goals one after the other with the game's own path scan and cell events.
#pragma once

#include <string>
#include <vector>

#include "author/world_builder.h"
#include "author/world_source.h"

namespace quadrivant {

// For every goal of the route (a marker, or any map character such as the finish), finds the fewest
// commands (then the fewest steps) that take the player from where they stand to a move that walks
// into a cell of the goal's marker, never walking into anything on the way; then plays that move's
// event with the game's own rules (touch_cell, answer_problem), answering a problem with its answer
// and confirming every panel with an empty line. Returns the lines, without newlines. Throws
// a Failure (naming the route's line) if a goal is on another level than the player or cannot be
// reached, or if the route goes on after the finish or ends before it. A route may leave problems
// unsolved, as a player may.
std::vector<std::string> plan_walkthrough(const BuiltWorld& world, const WorldSource& source);

}  // namespace quadrivant
