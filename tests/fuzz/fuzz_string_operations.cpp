// The string tests and the blank remover against plain reference answers.
#include <string>

#include "api/text/string_operations.hpp"
#include "fuzz_input.hpp"

namespace {

std::string folded(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string text = input.ConsumeRandomLengthString(512);
  const std::string check_text = input.ConsumeRandomLengthString(64);
  output_buffer out(input);
  bool flag = false;

  check(KV_COBALT::CheckSameString(text.c_str(), check_text.c_str(), &flag));
  check(flag == (folded(text.c_str()) == folded(check_text.c_str())));
  check(KV_COBALT::CheckIncludeString(text.c_str(), check_text.c_str(), &flag));
  check(flag == (folded(text.c_str()).find(folded(check_text.c_str())) != std::string::npos));
  check(KV_COBALT::CheckIncludePerfectString(text.c_str(), check_text.c_str(), &flag));
  check(flag == (std::string(text.c_str()).find(check_text.c_str()) != std::string::npos));
  check(!KV_COBALT::CheckSameString(text.c_str(), check_text.c_str(), nullptr));

  const bool done = KV_COBALT::DeleteBlankString(text.c_str(), out.data(), out.size);
  check(done == (out.data() != nullptr));
  if (done && out.written()) {
    std::string expected;
    for (char c : std::string(text.c_str()))
      if (c != ' ') expected += c;
    check(out.text() == expected.substr(0, static_cast<std::size_t>(out.size - 1)));
  }
  return 0;
}
