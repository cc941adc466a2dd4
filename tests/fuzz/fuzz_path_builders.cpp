// The path builders: dated folder names from any clock reading, joined paths,
// and the recording-folder setting read and rewritten through a host that
// stores what it is given.
#include <ctime>
#include <string>

#include "api/text/folder_paths.hpp"
#include "api/text/path_operations.hpp"
#include "entry/host_import.hpp"
#include "fuzz_input.hpp"

namespace {

std::string record_path;
bool host_answers = true;

// The host writes at most the size the library's buffers have (4096 bytes).
bool GetSetProjectInfo_String(ReaProject*, const char* desc, char* value, bool is_set) {
  if (!host_answers || std::string(desc) != "RECORD_PATH") return false;
  if (is_set)
    record_path = value;
  else
    value[record_path.copy(value, 4095)] = '\0';
  return true;
}

const bool host_ready = [] {
  KV_COBALT::host::GetSetProjectInfo_String.resolve(reinterpret_cast<void*>(&GetSetProjectInfo_String));
  return true;
}();

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  // Any reading the local clock can give, in any year.
  std::tm time{};
  time.tm_year = input.ConsumeIntegral<int>();
  time.tm_mon = input.ConsumeIntegralInRange<int>(0, 11);
  time.tm_mday = input.ConsumeIntegralInRange<int>(1, 31);
  time.tm_hour = input.ConsumeIntegralInRange<int>(0, 23);
  time.tm_min = input.ConsumeIntegralInRange<int>(0, 59);
  time.tm_sec = input.ConsumeIntegralInRange<int>(0, 60);
  const int time_type = input.ConsumeIntegralInRange<int>(-1, 4);
  host_answers = input.ConsumeIntegralInRange<int>(0, 7) != 0;
  record_path = input.ConsumeRandomLengthString(4200);
  const std::string name = input.ConsumeRandomLengthString(256).c_str();  // scripts pass C strings
  output_buffer before(input), after(input);
  const std::string path = input.ConsumeRemainingBytesAsString();

  const auto dated = KV_COBALT::folder_paths::dated_name(name, time_type, time);
  check(dated.has_value() == (time_type >= 0 && time_type <= 3));
  if (dated) check(dated->compare(0, name.size(), name) == 0);
  // The base, one separator between (none added after one that ends it), the part.
  const std::string joined = KV_COBALT::folder_paths::join(name, path);
  const bool ended = !name.empty() && name.back() == '/';
  check(joined == name + (ended ? "" : "/") + path);

  const std::string old_setting = record_path.substr(0, 4095);
  if (KV_COBALT::SetProjectInfoRecAddPath(nullptr, path.c_str(), before.data(), before.size, after.data(),
                                          after.size)) {
    check(host_answers);
    if (before.written()) check(old_setting.compare(0, before.text().size(), before.text()) == 0);
    if (after.written()) check(record_path == after.text());
  }
  if (KV_COBALT::SetProjectInfoRecPath(nullptr, path.c_str(), before.data(), before.size)) {
    check(record_path == std::string(path.c_str()).substr(0, 1023));
  }
  return 0;
}
