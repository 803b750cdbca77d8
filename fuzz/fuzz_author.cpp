// The authoring tool's source reader and builder on a world's sources from an archive
// (world_archive.h: world.txt, legend.txt, the .level files and route.txt), mutated from the
// shipped adventure's and the starter world's: the sources read, the world built, held to the
// checker's findings (each named in the sources) and the route played. A fault in the sources is
// a Failure naming it; anything else is a finding.
#include <cstddef>
#include <cstdint>

#include "author/source_places.h"
#include "author/walkthrough_plan.h"
#include "author/world_builder.h"
#include "base/failure.h"
#include "checker/world_checks.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quadrivant;
  const std::string& directory = unpack_input_as_world(data, size);
  try {
    const WorldSource source = read_world_source(directory);
    const BuiltWorld world = build_world(source);
    const Findings findings = play_findings(world.levels);
    for (const Finding& finding : findings) {
      static_cast<void>(finding_line(finding, source_place(finding.where, source)));
    }
    if (findings.empty() && source.has_route) plan_walkthrough(world, source);
  } catch (const Failure&) {
  }
  return 0;
}
