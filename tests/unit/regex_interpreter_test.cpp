// Where the system refuses executable memory (macOS's hardened runtime
// without the JIT entitlement, SELinux's execmem), the matcher runs PCRE2's
// interpreter instead of its machine code, with the same results. A seccomp
// filter refuses such memory here, in a child process.
#ifdef __linux__
#include <gtest/gtest.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <stddef.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include "utility/ecma_regex.hpp"

using kv_utility::ecma_regex;

namespace {

// 32-bit C libraries map memory through mmap2 (32-bit ARM has no mmap).
#ifdef __NR_mmap2
constexpr unsigned map_call = __NR_mmap2;
#else
constexpr unsigned map_call = __NR_mmap;
#endif

// Every mmap or mprotect asking for executable pages fails with EPERM.
bool refuse_executable_memory() {
  const unsigned prot = offsetof(seccomp_data, args) + 2 * sizeof(__u64);
  sock_filter program[] = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, map_call, 1, 0),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_mprotect, 0, 3),
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, prot),
      BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, PROT_EXEC, 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EPERM),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  sock_fprog filter{sizeof program / sizeof *program, program};
  if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) != 0)
    return false;
  void* page = mmap(nullptr, 4096, PROT_READ | PROT_EXEC, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return page == MAP_FAILED && errno == EPERM;
}

// Whether PCRE2 can compile a pattern to machine code now.
bool jit_available() {
  int error = 0;
  PCRE2_SIZE offset = 0;
  pcre2_code* code =
      pcre2_compile(reinterpret_cast<PCRE2_SPTR>("a+b"), PCRE2_ZERO_TERMINATED, 0, &error, &offset, nullptr);
  const bool compiled = code && pcre2_jit_compile(code, PCRE2_JIT_COMPLETE) == 0;
  pcre2_code_free(code);
  return compiled;
}

// Searches of each kind the library makes, their outcomes and groups as text.
std::string search_results() {
  struct search {
    const char* pattern;
    unsigned options;
    const char* text;
  };
  const search searches[] = {
      {"(\\w+)@(\\w+)\\.com", ecma_regex::plain, "mail: anna@example.com, bob@test.com"},
      {"take(\\d+)?", ecma_regex::ignore_case, "Vocal TAKE12 and take"},
      {"(a|ab)(c|bcd)(d*)", ecma_regex::plain, "abcd"},
      {"^(?:x(?=y)|z)+", ecma_regex::plain, "xyzxz"},
      {"(\\d)\\1", ecma_regex::plain, "1233445"},
      {"[^,]*", ecma_regex::plain, ",a,,b"},
      {"t.ack [0-9]+", ecma_regex::whole_text, "track 42"},
      {"t.ack [0-9]+", ecma_regex::whole_text, "track 42 "},
  };
  std::string results;
  std::vector<ecma_regex::group> groups;
  for (const auto& [pattern, options, text] : searches) {
    const auto compiled = ecma_regex::compile(pattern, options);
    if (!compiled) return results + "not compiled: " + pattern;
    const std::string_view view(text);
    for (std::size_t start = 0; start <= view.size(); ++start) {
      results += std::to_string(static_cast<int>(compiled->search(view, start, false, start % 2, groups))) + ":";
      for (const auto& group : groups)
        results += group.matched ? std::to_string(group.begin) + "-" + std::to_string(group.end) + " " : "- ";
      results += "\n";
    }
    results += compiled->matches(view) ? "matches\n" : "does not match\n";
  }
  return results;
}

}  // namespace

TEST(EcmaRegexInterpreter, RefusedExecutableMemoryGivesTheSameResults) {
  if (!jit_available()) GTEST_SKIP() << "no machine-code matcher here to fall back from";
  const std::string with_jit = search_results();
  enum : int { same = 0, different = 1, not_refused = 2, jit_kept = 3 };
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    // Executable memory the parent's matchers left for reuse goes first.
    pcre2_jit_free_unused_memory(nullptr);
    if (!refuse_executable_memory()) _exit(not_refused);
    if (jit_available()) _exit(jit_kept);
    _exit(search_results() == with_jit ? same : different);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "the interpreter's child ended with status " << status;
  if (WEXITSTATUS(status) == not_refused) GTEST_SKIP() << "this system installs no seccomp filter (an emulator)";
  ASSERT_NE(WEXITSTATUS(status), jit_kept) << "machine code was still made without executable memory";
  EXPECT_EQ(WEXITSTATUS(status), same) << "the interpreter's results differ from the machine code's";
}
#endif
