#include "checker/finding.h"

#include "base/text.h"

namespace quadrivant {

std::string finding_line(const Finding& finding) {
  const char* severity = finding.severity == Severity::error ? "error" : "warning";
  return printable(finding.where) + ": " + severity + ": " + printable(finding.what);
}

}  // namespace quadrivant
