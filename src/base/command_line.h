// The command lines of quadrivant's programs: `quadrivant [OPTIONS] [WORLD_DIR]`,
// `quadrivant-check [OPTIONS] [WORLD_DIR]` and `quadrivant-author COMMAND ...` share the way
// options and arguments are read and answered.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quadrivant {

enum class ProgramAction { run, help, version };

struct CommandLine {
  ProgramAction action = ProgramAction::run;
  std::vector<std::string> flags;             // the program's own flags that were given
  std::map<std::string, std::string> values;  // the options with a value that were given
  std::vector<std::string> arguments;         // the words that are no option, in order

  bool has_flag(const std::string& flag) const;
  // The value given to `option`, if it was given.
  std::optional<std::string> value_of(const std::string& option) const;
};

// What a program accepts besides --help and --version.
struct CommandLineForm {
  std::string program;                           // its name, for usage errors: "quadrivant-check"
  std::string usage;                             // the usage text, ending in a newline
  std::vector<std::string> flags;                // e.g. "--warnings-ok"
  std::vector<std::string> valued_options = {};  // e.g. "--map": "--map 2" or "--map=2"
  std::size_t most_arguments = 1;                // how many other words it takes at the most
  std::string too_many = "one world directory at the most";  // what a usage error then says
};

// Reads the arguments after the program's name: --help, --version, the form's flags, its
// options with their values and at most `most_arguments` other words. "--" ends the options.
// Throws Failure (standard error, status 2) for anything else, with what was wrong and the usage.
CommandLine parse_command_line(const std::vector<std::string>& arguments,
                               const CommandLineForm& form);

// Throws the Failure of a wrong command line: "<program>: <fault>", the usage, status 2.
[[noreturn]] void refuse_command_line(const CommandLineForm& form, const std::string& fault);

// Answers --help (the usage on standard output) and --version ("<program> <version>") and
// returns the status 0; nothing for a command line that is to run.
std::optional<int> answer_without_running(const CommandLine& line, const CommandLineForm& form);

// The name and version of a program, as the build knows them: "quadrivant 1.0.0\n".
std::string version_line(const std::string& program);

// Where `make install` put the shipped adventure (fixed when the build is configured).
std::string installed_world_directory();

}  // namespace quadrivant
