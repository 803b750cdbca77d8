#include "level/load_test_support.h"

#include <filesystem>
#include <stdexcept>

#include "support/run_program.h"

ScratchDirectory::ScratchDirectory() : path_(make_temporary_directory()) {}

ScratchDirectory::~ScratchDirectory() {
  std::filesystem::remove_all(path_);
}

std::string ScratchDirectory::write(const std::string& name, const std::string& contents) const {
  write_file(path_of(name), contents);
  return path_of(name);
}

LoadOutput::LoadOutput() : file_(open_memstream(&buffer_, &size_)) {
  if (file_ == nullptr) throw std::runtime_error("cannot open an in-memory stream");
}

LoadOutput::~LoadOutput() {
  std::fclose(file_);
  std::free(buffer_);
}

std::string LoadOutput::text() {
  std::fflush(file_);
  return std::string(buffer_, size_);
}

namespace {

std::string on_stream(const LoadError& error, MessageStream stream) {
  return error.stream() == stream ? error.what() : "(not on this stream)";
}

}  // namespace

std::string on_standard_output(const LoadError& error) {
  return on_stream(error, MessageStream::standard_output);
}

std::string on_standard_error(const LoadError& error) {
  return on_stream(error, MessageStream::standard_error);
}
