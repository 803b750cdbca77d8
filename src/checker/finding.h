// What the level checker finds: an error (the world is broken or cannot be won as it stands) or
// a warning (the world plays, but not as its author meant), where it is and what is wrong.
#pragma once

#include <string>
#include <vector>

namespace quadrivant {

enum class Severity { error, warning };

struct Finding {
  Severity severity = Severity::error;
  std::string where;  // a file, with its line or entry where there is one, or a cell of a level
  std::string what;
};

using Findings = std::vector<Finding>;

// "<where>: error: <what>" or "<where>: warning: <what>", printable, without a newline.
std::string finding_line(const Finding& finding);

}  // namespace quadrivant
