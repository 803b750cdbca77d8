// The authoring tool's rules of reach: the level checker's play checks, and its own design rule
// for the finish.
#pragma once

#include "author/world_builder.h"
#include "level/manifest.h"

namespace quadrivant {

// Throws a Failure with the first finding of the level checker's play checks (see
// checker/world_checks.h), naming the files as `manifest` does; then unless the finish needs some
// problems solved but fewer than the world holds, and a player who solves the problems in reach,
// gate by gate, gets there.
void check_world_reach(const BuiltWorld& world, const Manifest& manifest);

}  // namespace quadrivant
