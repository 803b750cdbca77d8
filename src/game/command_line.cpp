#include "game/command_line.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "game/build_info.h"
#include "level/level_file.h"
#include "level/manifest.h"

namespace {

bool holds_manifest(const std::string& directory) {
  std::error_code error;
  return std::filesystem::is_regular_file(manifest_path(directory), error);
}

CommandLine usage_error(const std::string& fault) {
  CommandLine line;
  line.action = ProgramAction::usage_error;
  line.fault = fault;
  return line;
}

}  // namespace

CommandLine parse_command_line(const std::vector<std::string>& arguments,
                               const std::vector<std::string>& known_flags) {
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
    } else if (is_option &&
               std::find(known_flags.begin(), known_flags.end(), argument) != known_flags.end()) {
      line.flags.push_back(argument);
    } else if (is_option) {
      return usage_error("unknown option " + printable_path(argument));
    } else if (line.world_named) {
      return usage_error("one world directory at the most");
    } else {
      line.world_named = true;
      line.world_directory = argument;
    }
  }
  return line;
}

std::string default_world_directory(const std::string& installed) {
  if (!holds_manifest("") && !installed.empty() && holds_manifest(installed)) return installed;
  return "";
}

std::string world_directory_fault(const std::string& directory) {
  const std::string shown = printable_path(directory);
  std::error_code error;
  if (!std::filesystem::exists(directory, error)) {
    return "(;^_^) Oopsie! There is no world directory " + shown + "!\n";
  }
  if (!std::filesystem::is_directory(directory, error)) {
    return "(;^_^) Oopsie! " + shown + " is not a directory: name the directory of a world!\n";
  }
  if (!holds_manifest(directory)) {
    return "(;^_^) Oopsie! The directory " + shown + " holds no " + manifest_name + "!\n";
  }
  return "";
}

int answer_without_running(const CommandLine& line, const std::string& program, const char* usage) {
  switch (line.action) {
    case ProgramAction::help:
      std::fputs(usage, stdout);
      return 0;
    case ProgramAction::version:
      std::fputs(version_line(program).c_str(), stdout);
      return 0;
    case ProgramAction::usage_error:
      std::fprintf(stderr, "%s: %s\n%s", program.c_str(), line.fault.c_str(), usage);
      return 2;
    case ProgramAction::run:
      break;
  }
  return -1;
}

std::string version_line(const std::string& program) {
  return program + " " + quadrivant_version + "\n";
}

std::string installed_world_directory() {
  return quadrivant_installed_world;
}
