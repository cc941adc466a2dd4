#include "api/text/file_text_delivery.hpp"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>

#include "entry/need_big.hpp"

namespace KV_COBALT {
namespace {

// Host buffers are sized in int.
constexpr std::uint64_t largest_text = INT_MAX;

// What the file system says the file holds: a hint only, since /proc says 0
// and a file may grow while it is read.
std::optional<std::uint64_t> stated_size(std::FILE* file) {
#ifdef _WIN32
  struct _stat64 status {};
  if (_fstat64(_fileno(file), &status) != 0 || status.st_size < 0) return std::nullopt;
#else
  struct stat status {};
  if (::fstat(fileno(file), &status) != 0 || status.st_size < 0) return std::nullopt;
#endif
  return static_cast<std::uint64_t>(status.st_size);
}

// The start of the file that the buffer takes, NUL-terminated; answers false.
bool start_only(std::FILE* file, char* buffer, int size) {
  if (!buffer || size <= 0 || std::fseek(file, 0, SEEK_SET) != 0) return false;
  const std::size_t got = std::fread(buffer, 1, static_cast<std::size_t>(size) - 1, file);
  buffer[got] = '\0';
  return false;
}

// Every line ends with a line feed, the last one too.
bool ends_its_last_line(std::string_view text) { return text.empty() || text.back() == '\n'; }

// A file longer than the passed buffer goes straight into one the host grows
// to the text's length, asked for before a byte is read.
bool read_into_grown_buffer(std::FILE* file, std::uint64_t stated, char*& buffer, int& size) {
  if (stated > largest_text - 1) return start_only(file, buffer, size);
  bool ended = stated == 0;
  if (!ended) {
    if (std::fseek(file, static_cast<long>(stated - 1), SEEK_SET) != 0) return false;
    ended = std::fgetc(file) == '\n';
    if (std::fseek(file, 0, SEEK_SET) != 0) return false;
  }
  const std::size_t length = static_cast<std::size_t>(stated) + (ended ? 0 : 1);
  if (!grow_need_big(buffer, size, length)) return start_only(file, buffer, size);
  const std::size_t got = std::fread(buffer, 1, static_cast<std::size_t>(stated), file);
  std::fill(buffer + got, buffer + length, '\0');
  if (got == stated && !ended) buffer[got] = '\n';
  // Changed since its size was taken: the start alone.
  const bool unchanged = got == stated && std::fgetc(file) == EOF && !std::ferror(file) &&
                         ends_its_last_line(std::string_view(buffer, got)) == ended;
  if (!unchanged && length > 0) buffer[std::min(got, length - 1)] = '\0';
  return unchanged;
}

struct file_start {
  std::string text;
  bool whole = false;  // the file ended within the text
};

// At most limit bytes from the start of the file; nullopt on a read error.
std::optional<file_start> read_start(std::FILE* file, std::uint64_t limit) {
  file_start start;
  std::array<char, 16384> chunk;
  while (start.text.size() < limit) {
    const std::size_t wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), limit - start.text.size()));
    const std::size_t got = std::fread(chunk.data(), 1, wanted, file);
    start.text.append(chunk.data(), got);
    if (got < wanted) {
      if (std::ferror(file)) return std::nullopt;
      start.whole = true;
      break;
    }
  }
  return start;
}

}  // namespace

bool deliver_file_text(std::FILE* file, char*& buffer, int& size) {
  if (!file || !buffer) return false;
  const std::uint64_t passed_room = size > 0 ? static_cast<std::uint64_t>(size) - 1 : 0;
  const std::optional<std::uint64_t> stated = stated_size(file);
  if (stated && *stated >= passed_room && need_big_can_grow())
    return read_into_grown_buffer(file, *stated, buffer, size);
  // Read as it comes, one byte past what the host could take, so that more shows.
  const std::uint64_t room = need_big_can_grow() ? largest_text : passed_room;
  std::optional<file_start> start = read_start(file, room + 1);
  if (!start) return false;
  if (!start->whole) {
    write_need_big_start(buffer, size, start->text);
    return false;
  }
  if (!ends_its_last_line(start->text)) start->text += '\n';
  return write_need_big(buffer, size, start->text);
}

}  // namespace KV_COBALT
