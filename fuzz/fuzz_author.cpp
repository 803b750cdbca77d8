// The authoring tool's source reader and builder on a world's sources from an archive
// (world_archive.h: world.txt, legend.txt, the .level files and route.txt), mutated from the
// shipped adventure's: the sources read, the world built, held to the checker's findings and the
// finish rule, and the route played. A fault in the sources is a Failure naming it; anything
// else is a finding.
#include <cstddef>
#include <cstdint>

#include "author/walkthrough_plan.h"
#include "author/world_builder.h"
#include "author/world_reach.h"
#include "base/failure.h"
#include "fuzz_support.h"
#include "level/world_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quadrivant;
  const std::string& directory = unpack_input_as_world(data, size);
  try {
    const WorldSource source = read_world_source(directory);
    const BuiltWorld world = build_world(source);
    check_world_reach(
        world, manifest_of(world.levels, named_levels_layout(world.title, world.level_names)));
    plan_walkthrough(world, source);
  } catch (const Failure&) {
  }
  return 0;
}
