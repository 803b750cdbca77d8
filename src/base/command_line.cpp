#include "base/command_line.h"

#include <algorithm>
#include <cstdio>

#include "base/build_info.h"
#include "base/failure.h"
#include "base/text.h"

namespace quadrivant {

namespace {

[[noreturn]] void refuse(const CommandLineForm& form, const std::string& fault) {
  throw Failure(form.program + ": " + fault + "\n" + form.usage, Stream::standard_error, 2);
}

bool is_flag(const CommandLineForm& form, const std::string& argument) {
  return std::find(form.flags.begin(), form.flags.end(), argument) != form.flags.end();
}

}  // namespace

CommandLine parse_command_line(const std::vector<std::string>& arguments,
                               const CommandLineForm& form) {
  CommandLine line;
  bool options_ended = false;
  for (const std::string& argument : arguments) {
    const bool is_option = !options_ended && argument.size() > 1 && argument[0] == '-';
    if (is_option && argument == "--") {
      options_ended = true;
    } else if (is_option && argument == "--help") {
      line.action = ProgramAction::help;
    } else if (is_option && argument == "--version") {
      if (line.action == ProgramAction::run) line.action = ProgramAction::version;
    } else if (is_option && is_flag(form, argument)) {
      line.flags.push_back(argument);
    } else if (is_option) {
      refuse(form, "unknown option " + printable(argument));
    } else if (line.arguments.size() == form.most_arguments) {
      refuse(form, form.too_many);
    } else {
      line.arguments.push_back(argument);
    }
  }
  return line;
}

std::optional<int> answer_without_running(const CommandLine& line, const CommandLineForm& form) {
  switch (line.action) {
    case ProgramAction::help:
      std::fputs(form.usage.c_str(), stdout);
      return 0;
    case ProgramAction::version:
      std::fputs(version_line(form.program).c_str(), stdout);
      return 0;
    case ProgramAction::run:
      break;
  }
  return std::nullopt;
}

std::string version_line(const std::string& program) {
  return program + " " + quadrivant_version + "\n";
}

std::string installed_world_directory() {
  return quadrivant_installed_world;
}

}  // namespace quadrivant
