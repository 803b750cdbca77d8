// quadrivant_floor FILE...: reads every file named whole into memory that it keeps until it
// ends, and parses nothing. A fresh game loading a world can do no better than this: it pays for
// the reads and for the first touch of every page they fill, which on some virtual machines
// costs more than the parsing. scripts/compare-pamtopnm.sh times it beside the game.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace quadrivant {

namespace {

// Reads `descriptor` to its end into `into`, which holds `size` bytes; false on a failed read.
bool read_to_end(int descriptor, char* into, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = ::read(descriptor, into + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;  // the file shrank meanwhile
    done += static_cast<std::size_t>(got);
  }
  return true;
}

// Reads the file at `path` whole into a block of its own size, kept in `kept`; false if it
// cannot be read.
bool read_whole(const char* path, std::vector<std::unique_ptr<char[]>>& kept) {
  const int descriptor = ::open(path, O_RDONLY);
  if (descriptor < 0) return false;
  struct stat status {};
  if (::fstat(descriptor, &status) != 0) {
    ::close(descriptor);
    return false;
  }
  const auto size = static_cast<std::size_t>(status.st_size);
  // Not zeroed: the read is the first touch of every page, as it is for the game's layers.
  kept.emplace_back(new char[size + 1]);
  const bool read = read_to_end(descriptor, kept.back().get(), size);
  ::close(descriptor);
  return read;
}

}  // namespace

}  // namespace quadrivant

int main(int argc, char** argv) {
  std::vector<std::unique_ptr<char[]>> kept;
  for (int i = 1; i < argc; ++i) {
    if (!quadrivant::read_whole(argv[i], kept)) {
      std::fprintf(stderr, "quadrivant_floor: cannot read %s: %s\n", argv[i], std::strerror(errno));
      return 1;
    }
  }
  return 0;
}
