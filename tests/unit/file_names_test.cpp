// The names Win32 calls receive for a file operation's paths (Windows only:
// elsewhere paths reach the system as they are).
#include <gtest/gtest.h>

#ifdef _WIN32
#include <filesystem>
#include <string>

#include "api/text/file_names.hpp"
#include "utility/windows_api.hpp"

using KV_COBALT::file_names::reachable;
namespace fs = std::filesystem;

namespace {

// Seven folders of 40 characters each, past MAX_PATH under any folder.
std::wstring deep_folders(wchar_t separator) {
  std::wstring folders;
  for (wchar_t level = L'a'; level < L'h'; ++level) folders += std::wstring(40, level) + separator;
  return folders;
}

std::wstring extended(const std::wstring& name) { return LR"(\\?\)" + name; }

}  // namespace

TEST(FileNames, PathsPastMaxPathReachWin32InTheirExtendedForm) {
  const std::wstring plain = LR"(C:\)" + deep_folders(L'\\') + L"take.wav";
  EXPECT_EQ(reachable(plain).native(), extended(plain));
  // Normalised as Win32 would have done before the prefix turns that off.
  EXPECT_EQ(reachable(L"C:/" + deep_folders(L'/') + L"./skipped/../take.wav").native(), extended(plain));
  EXPECT_EQ(reachable(LR"(\\server\share\)" + deep_folders(L'\\') + L"take.wav").native(),
            LR"(\\?\UNC\server\share\)" + deep_folders(L'\\') + L"take.wav");
  const std::wstring relative = deep_folders(L'\\') + L"take.wav";
  EXPECT_EQ(reachable(relative).native(), extended((fs::current_path() / relative).native())) << "made absolute";
  EXPECT_EQ(reachable(extended(plain)).native(), extended(plain)) << "already extended";
}

// CreateDirectoryW keeps 12 characters of MAX_PATH free for an 8.3 name.
TEST(FileNames, ShorterPathsStayAsTheyAre) {
  EXPECT_EQ(reachable(LR"(C:\audio\take.wav)").native(), LR"(C:\audio\take.wav)");
  EXPECT_EQ(reachable(L"audio/../take.wav").native(), L"audio/../take.wav");
  const std::wstring longest = LR"(C:\)" + std::wstring(MAX_PATH - 16, L'a');
  EXPECT_EQ(reachable(longest).native(), longest);
  EXPECT_EQ(reachable(longest + L"b").native(), extended(longest + L"b"));
}
#endif
