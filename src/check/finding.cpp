#include "check/finding.h"

#include "level/level_file.h"

std::string finding_line(const Finding& finding) {
  const char* severity = finding.severity == Severity::error ? "error" : "warning";
  return printable_path(finding.where) + ": " + severity + ": " + printable_path(finding.what);
}
