#include "utility/ecma_regex.hpp"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#ifdef _WIN32
#include "utility/windows_api.hpp"
#else
#include <time.h>
#endif

#include <chrono>
#include <string>

#include "utility/ecma_pattern.hpp"

namespace kv_utility {
namespace {

// The time the calling thread has run: other work on a busy machine does not
// count against a search.
struct thread_clock {
  using duration = std::chrono::nanoseconds;
  using time_point = std::chrono::time_point<thread_clock>;
  static time_point now() {
#ifdef _WIN32
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return time_point();
    const auto ticks = [](const FILETIME& t) { return (std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    return time_point(std::chrono::nanoseconds((ticks(kernel) + ticks(user)) * 100));  // 100 ns units
#else
    timespec spent{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &spent);
    return time_point(std::chrono::seconds(spent.tv_sec) + std::chrono::nanoseconds(spent.tv_nsec));
#endif
  }
};
using clock = thread_clock;

// Bounds on the matcher: enough for linear patterns over texts of many
// megabytes, small enough that catastrophic backtracking stops well within a
// second. The time limit holds for all searches with one compiled pattern
// together: the pattern passes a checkpoint at each new position and at every
// step of backtracking (a pattern like (a|b)*c tries every position of a text
// without "c", and the machine-code matcher does not count every step against
// the match limit). The machine-code matcher's stack is reserved up front and
// only used pages take memory.
constexpr std::uint32_t match_limit = 20'000'000;
constexpr clock::duration search_time = std::chrono::milliseconds(300);
constexpr std::uint32_t depth_limit = 50'000'000;
constexpr std::uint32_t heap_limit_kib = 1024 * 1024;
constexpr std::size_t jit_stack_start = 64 * 1024;
constexpr std::size_t jit_stack_max = 512 * 1024 * 1024;

}  // namespace

struct ecma_regex::compiled {
  clock::time_point deadline = clock::now() + search_time;
  unsigned checkpoints = 0;
  pcre2_code* code = nullptr;
  pcre2_match_context* context = nullptr;
  pcre2_jit_stack* stack = nullptr;
  pcre2_match_data* data = nullptr;
  std::optional<char> required;
  ~compiled() {
    pcre2_match_data_free(data);
    pcre2_jit_stack_free(stack);
    pcre2_match_context_free(context);
    pcre2_code_free(code);
  }
};

namespace {

// Called at each checkpoint; reading the clock at every 256th keeps its cost
// out of sight.
int check_time(pcre2_callout_block*, void* data) {
  auto* made = static_cast<ecma_regex::compiled*>(data);
  if (++made->checkpoints % 256 != 0 || clock::now() < made->deadline) return 0;
  return PCRE2_ERROR_CALLOUT;  // gives up the whole search
}

}  // namespace

std::optional<ecma_regex> ecma_regex::compile(std::string_view pattern, unsigned options) {
  auto translated = ecma_to_pcre2(pattern, true);
  if (!translated) return std::nullopt;
  if (options & whole_text) translated = "(?:" + *translated + ")\\z";
  translated = "(?C)" + *translated;
  std::uint32_t flags = ecma_pcre2_options() | PCRE2_NEVER_UTF | PCRE2_NEVER_UCP | PCRE2_NEVER_BACKSLASH_C;
  if (options & ignore_case) flags |= PCRE2_CASELESS;
  if (options & whole_text) flags |= PCRE2_ANCHORED;
  auto made = std::make_shared<compiled>();
  int error = 0;
  PCRE2_SIZE offset = 0;
  made->code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(translated->data()), translated->size(), flags, &error,
                             &offset, nullptr);
  if (!made->code) return std::nullopt;
  made->context = pcre2_match_context_create(nullptr);
  made->data = pcre2_match_data_create_from_pattern(made->code, nullptr);
  if (!made->context || !made->data) return std::nullopt;
  pcre2_set_match_limit(made->context, match_limit);
  pcre2_set_depth_limit(made->context, depth_limit);
  pcre2_set_heap_limit(made->context, heap_limit_kib);
  pcre2_set_callout(made->context, check_time, made.get());
  std::uint32_t has_required = 0, required = 0;
  if (!(options & ignore_case) && pcre2_pattern_info(made->code, PCRE2_INFO_LASTCODETYPE, &has_required) == 0 &&
      has_required == 1 && pcre2_pattern_info(made->code, PCRE2_INFO_LASTCODEUNIT, &required) == 0)
    made->required = static_cast<char>(required);
  if (pcre2_jit_compile(made->code, PCRE2_JIT_COMPLETE) == 0) {
    made->stack = pcre2_jit_stack_create(jit_stack_start, jit_stack_max, nullptr);
    if (made->stack) pcre2_jit_stack_assign(made->context, nullptr, made->stack);
  }
  return ecma_regex(std::move(made));
}

std::optional<char> ecma_regex::required_byte() const { return code_->required; }

ecma_regex::outcome ecma_regex::search(std::string_view text, std::size_t start, bool anchored, bool not_empty,
                                       std::vector<group>& groups) const {
  std::uint32_t flags = 0;
  if (anchored) flags |= PCRE2_ANCHORED;
  if (not_empty) flags |= PCRE2_NOTEMPTY_ATSTART;
  const int rc = pcre2_match(code_->code, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), start, flags,
                             code_->data, code_->context);
  if (rc == PCRE2_ERROR_NOMATCH) return outcome::none;
  if (rc < 0) return outcome::gave_up;
  const std::uint32_t count = pcre2_get_ovector_count(code_->data);
  const PCRE2_SIZE* offsets = pcre2_get_ovector_pointer(code_->data);
  groups.assign(count, group{});
  for (std::uint32_t i = 0; i < count && i < static_cast<std::uint32_t>(rc); ++i)
    if (offsets[2 * i] != PCRE2_UNSET) groups[i] = {offsets[2 * i], offsets[2 * i + 1], true};
  return outcome::found;
}

bool ecma_regex::matches(std::string_view text) const {
  if (code_->required && text.find(*code_->required) == std::string_view::npos) return false;
  std::vector<group> groups;
  return search(text, 0, true, false, groups) == outcome::found;
}

}  // namespace kv_utility
