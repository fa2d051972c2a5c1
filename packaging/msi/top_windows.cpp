#include "top_windows.h"

namespace {

struct Search {
  const wchar_t* title;
  HWND found = nullptr;
};

BOOL CALLBACK visit(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<Search*>(parameter);
  wchar_t text[256];
  // A window the user cannot see is not one a program opened for them.
  if (IsWindowVisible(window) && GetWindowTextW(window, text, 256) > 0 &&
      lstrcmpW(text, search.title) == 0) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK collectTitle(HWND window, LPARAM parameter) {
  wchar_t text[256];
  if (IsWindowVisible(window) && GetWindowTextW(window, text, 256) > 0)
    *reinterpret_cast<std::string*>(parameter) += " '" + utf8(text) + "'";
  return TRUE;
}

}  // namespace

std::string utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

HWND findVisibleWindow(const wchar_t* title) {
  Search search{title};
  EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND awaitVisibleWindow(const wchar_t* title) {
  HWND window = nullptr;
  for (int waited = 0; !(window = findVisibleWindow(title)) && waited < 30000; waited += 100) Sleep(100);
  return window;
}

std::string visibleTitles() {
  std::string titles;
  EnumWindows(collectTitle, reinterpret_cast<LPARAM>(&titles));
  return titles.empty() ? " none" : titles;
}
