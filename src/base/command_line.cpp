#include "base/command_line.h"

#include <algorithm>
#include <cstdio>

#include "base/build_info.h"
#include "base/failure.h"
#include "base/text.h"

namespace quadrivant {

namespace {

bool is_one_of(const std::vector<std::string>& names, const std::string& argument) {
  return std::find(names.begin(), names.end(), argument) != names.end();
}

// Reads an option that takes a value, given as "--name VALUE" or "--name=VALUE"; `next` is the
// word after it, if any. Returns whether `next` was taken as the value.
bool read_valued_option(const CommandLineForm& form, const std::string& argument,
                        const std::string* next, CommandLine& line) {
  const std::size_t equals = argument.find('=');
  const std::string name = argument.substr(0, equals);
  if (line.values.count(name)) refuse_command_line(form, name + " is given twice");
  if (equals != std::string::npos) {
    line.values[name] = argument.substr(equals + 1);
    return false;
  }
  if (next == nullptr) refuse_command_line(form, name + " needs a value");
  line.values[name] = *next;
  return true;
}

bool is_valued_option(const CommandLineForm& form, const std::string& argument) {
  return is_one_of(form.valued_options, argument.substr(0, argument.find('=')));
}

}  // namespace

bool CommandLine::has_flag(const std::string& flag) const {
  return is_one_of(flags, flag);
}

std::optional<std::string> CommandLine::value_of(const std::string& option) const {
  const auto found = values.find(option);
  if (found == values.end()) return std::nullopt;
  return found->second;
}

void refuse_command_line(const CommandLineForm& form, const std::string& fault) {
  throw Failure(form.program + ": " + fault + "\n" + form.usage, Stream::standard_error, 2);
}

CommandLine parse_command_line(const std::vector<std::string>& arguments,
                               const CommandLineForm& form) {
  CommandLine line;
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool is_option = !options_ended && argument.size() > 1 && argument[0] == '-';
    if (is_option && argument == "--") {
      options_ended = true;
    } else if (is_option && argument == "--help") {
      line.action = ProgramAction::help;
    } else if (is_option && argument == "--version") {
      if (line.action == ProgramAction::run) line.action = ProgramAction::version;
    } else if (is_option && is_one_of(form.flags, argument)) {
      line.flags.push_back(argument);
    } else if (is_option && is_valued_option(form, argument)) {
      const std::string* next = i + 1 < arguments.size() ? &arguments[i + 1] : nullptr;
      if (read_valued_option(form, argument, next, line)) ++i;
    } else if (is_option) {
      refuse_command_line(form, "unknown option " + printable(argument));
    } else if (line.arguments.size() == form.most_arguments) {
      refuse_command_line(form, form.too_many);
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
