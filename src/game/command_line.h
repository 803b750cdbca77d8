// The command lines of the game's programs: `quadrivant [WORLD_DIR]` and the level checker's
// `quadrivant-check [--warnings-ok] [WORLD_DIR]` share the way a world is named.
#pragma once

#include <string>
#include <vector>

enum class ProgramAction { run, help, version, usage_error };

struct CommandLine {
  ProgramAction action = ProgramAction::run;
  bool world_named = false;
  std::string world_directory;     // as named, when world_named
  std::vector<std::string> flags;  // the program's own flags that were given, e.g. --warnings-ok
  std::string fault;               // what was wrong, for a usage error
};

// Reads the arguments after the program's name: --help, --version, any of `known_flags`, and at
// most one world directory. "--" ends the options. Anything else is a usage error.
CommandLine parse_command_line(const std::vector<std::string>& arguments,
                               const std::vector<std::string>& known_flags = {});

// The world to use when none is named: the working directory when it holds manifest.txt (""),
// else `installed` when it holds one, else the working directory again, whose missing manifest
// is then refused as usual.
std::string default_world_directory(const std::string& installed);

// "" if `directory` can hold a world; else the refusal, a whole line: the directory does not
// exist, is no directory, or holds no manifest.txt.
std::string world_directory_fault(const std::string& directory);

// Answers --help (the usage on standard output, 0), --version (0) and a usage error (what was
// wrong and the usage on standard error, 2) for `program`; -1 when the program is to run.
int answer_without_running(const CommandLine& line, const std::string& program, const char* usage);

// The name and version of the game, as the build knows them: "quadrivant 1.0.0".
std::string version_line(const std::string& program);

// Where `make install` put the shipped adventure (fixed when the build is configured).
std::string installed_world_directory();
