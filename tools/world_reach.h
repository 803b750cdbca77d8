// The rules of reach the shipped world keeps: everything the level checker finds (places that
// cannot be reached, gates that never open, ground open to the map's edge, ...) and the design of
// the finish.
#pragma once

#include "level/manifest.h"
#include "world_builder.h"

// Throws SourceError with the first finding of the level checker's play checks (see
// check/world_checks.h), naming the files as `manifest` does; then unless the finish needs some
// problems solved but fewer than the world holds, and a player who solves the problems in reach,
// gate by gate, gets there.
void check_world_reach(const BuiltWorld& world, const Manifest& manifest);
