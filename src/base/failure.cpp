#include "base/failure.h"

#include <cstring>

namespace quadrivant {

Failure Failure::output_lost(std::string message) {
  Failure failure(std::move(message));
  failure.output_lost_ = true;
  return failure;
}

std::string oopsie(std::string_view text) {
  return std::string(game_voice) + std::string(text);
}

std::string_view words_of(std::string_view message) {
  if (message.starts_with(game_voice)) message.remove_prefix(game_voice.size());
  while (message.ends_with('\n')) message.remove_suffix(1);
  return message;
}

std::string unable_to_write(int error) {
  std::string words = "Unable to write to standard output";
  if (error != 0) words += std::string(" -> ") + std::strerror(error);
  return words;
}

}  // namespace quadrivant
