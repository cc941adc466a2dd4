#include "utility/ecma_regex.hpp"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <string>

#include "utility/ecma_pattern.hpp"

namespace kv_utility {
namespace {

// Bounds on one search: enough for linear patterns over texts of many
// megabytes, small enough that catastrophic backtracking stops well within
// a second. The machine-code matcher's stack is reserved up front and only
// used pages take memory.
constexpr std::uint32_t match_limit = 50'000'000;
constexpr std::uint32_t depth_limit = 50'000'000;
constexpr std::uint32_t heap_limit_kib = 1024 * 1024;
constexpr std::size_t jit_stack_start = 64 * 1024;
constexpr std::size_t jit_stack_max = 512 * 1024 * 1024;

}  // namespace

struct ecma_regex::compiled {
  pcre2_code* code = nullptr;
  pcre2_match_context* context = nullptr;
  pcre2_jit_stack* stack = nullptr;
  pcre2_match_data* data = nullptr;
  ~compiled() {
    pcre2_match_data_free(data);
    pcre2_jit_stack_free(stack);
    pcre2_match_context_free(context);
    pcre2_code_free(code);
  }
};

std::optional<ecma_regex> ecma_regex::compile(std::string_view pattern, unsigned options) {
  auto translated = ecma_to_pcre2(pattern);
  if (!translated) return std::nullopt;
  if (options & whole_text) translated = "(?:" + *translated + ")\\z";
  // As in the standard library, a back-reference to a group that did not take
  // part matches nothing.
  std::uint32_t flags = PCRE2_NEVER_UTF | PCRE2_NEVER_UCP | PCRE2_NEVER_BACKSLASH_C;
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
  if (pcre2_jit_compile(made->code, PCRE2_JIT_COMPLETE) == 0) {
    made->stack = pcre2_jit_stack_create(jit_stack_start, jit_stack_max, nullptr);
    if (made->stack) pcre2_jit_stack_assign(made->context, nullptr, made->stack);
  }
  return ecma_regex(std::move(made));
}

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
  std::vector<group> groups;
  return search(text, 0, true, false, groups) == outcome::found;
}

}  // namespace kv_utility
