// The window's face where the system has none of Windows' Japanese user-interface faces:
// the window's font test run again in a program started without wine's font replacements,
// as in a fresh prefix.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "tools/drive/win32/remote_program.h"

namespace {

// Programs started while it lives find none of wine's font replacements, which map Meiryo
// UI, Yu Gothic UI, MS UI Gothic and the dialog faces to IPA P Gothic in the tests' prefix;
// it puts them back.
class WithoutFontReplacements {
 public:
  WithoutFontReplacements() {
    RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Fonts\\Replacements", 0,
                  KEY_QUERY_VALUE | KEY_SET_VALUE, &key_);
    wchar_t name[256];
    wchar_t face[256];
    for (DWORD i = 0;; ++i) {
      DWORD nameLength = 256;
      DWORD faceBytes = sizeof face;
      if (RegEnumValueW(key_, i, name, &nameLength, nullptr, nullptr,
                        reinterpret_cast<BYTE*>(face), &faceBytes) != ERROR_SUCCESS) {
        break;
      }
      taken_.emplace_back(name, face);
    }
    for (const auto& [from, to] : taken_) RegDeleteValueW(key_, from.c_str());
  }
  ~WithoutFontReplacements() {
    for (const auto& [from, to] : taken_) {
      RegSetValueExW(key_, from.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(to.c_str()),
                     static_cast<DWORD>((to.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key_);
  }
  WithoutFontReplacements(const WithoutFontReplacements&) = delete;
  WithoutFontReplacements& operator=(const WithoutFontReplacements&) = delete;

  std::size_t taken() const { return taken_.size(); }

 private:
  HKEY key_ = nullptr;
  std::vector<std::pair<std::wstring, std::wstring>> taken_;
};

// Its output is passed on; its exit status, and whether it ran exactly one test that passed.
struct TestRun {
  int status;
  bool onePassed;
};

TestRun runTest(const std::wstring& program, const std::wstring& test) {
  const std::wstring command = L"\"\"" + program + L"\" --gtest_filter=" + test + L"\"";
  FILE* output = _wpopen(command.c_str(), L"rt");
  if (output == nullptr) return {-1, false};
  bool onePassed = false;
  char line[512];
  while (std::fgets(line, sizeof line, output) != nullptr) {
    std::fputs(line, stdout);
    onePassed = onePassed || std::string(line).starts_with("[  PASSED  ] 1 test.");
  }
  return {_pclose(output), onePassed};
}

TEST(TheWindowFace, ShowsEveryCharacterWhereTheSystemHasNoneOfTheJapaneseUserInterfaceFaces) {
  const WithoutFontReplacements freshPrefix;
  ASSERT_GT(freshPrefix.taken(), 0u) << "the tests' prefix has no font replacements to take";
  const TestRun run =
      runTest(drive::besideThisProgram(L"qelmar-win32-window-tests.exe"),
              L"Win32Window.ItsFontHasAGlyphForEveryCharacterTheWindowShows");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.onePassed);
}

}  // namespace
