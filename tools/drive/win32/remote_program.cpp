#include "tools/drive/win32/remote_program.h"

#include "win32/control_ids.h"

#include <cstdio>
#include <stdexcept>

namespace drive {
namespace {

constexpr DWORD kPatience = 60000;  // milliseconds; wine's first start is slow

BOOL CALLBACK noteWindow(HWND hwnd, LPARAM found) {
  wchar_t windowClass[64]{};
  GetClassNameW(hwnd, windowClass, 64);
  if (lstrcmpW(windowClass, win32::kWindowClass) != 0 || !IsWindowVisible(hwnd)) return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

HWND shownWindow(DWORD thread, HANDLE process) {
  for (DWORD waited = 0; waited < kPatience; waited += 10) {
    HWND found = nullptr;
    EnumThreadWindows(thread, noteWindow, reinterpret_cast<LPARAM>(&found));
    if (found != nullptr) return found;
    if (WaitForSingleObject(process, 10) == WAIT_OBJECT_0) break;
  }
  return nullptr;
}

// Wine now and then fails to create a process (seen once in a CI run of thousands of
// starts): a user whose start did nothing starts it again, and so does the driver, twice
// at most.
void startProcess(const std::wstring& path, PROCESS_INFORMATION& process) {
  constexpr int kAttempts = 3;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    if (attempt > 0) Sleep(500);
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &process)) {
      return;
    }
    std::fprintf(stderr, "qelmar-drive: the window's program did not start (system error %lu)\n",
                 static_cast<unsigned long>(GetLastError()));
  }
  throw std::runtime_error("cannot start the window's program");
}

}  // namespace

RemoteProgram::RemoteProgram(const std::wstring& path) {
  startProcess(path, process_);
  WaitForInputIdle(process_.hProcess, kPatience);
  window_ = shownWindow(process_.dwThreadId, process_.hProcess);
  if (window_ == nullptr) {
    TerminateProcess(process_.hProcess, 1);
    throw std::runtime_error("the window's program showed no window");
  }
}

RemoteProgram::~RemoteProgram() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.hProcess, kPatience) != WAIT_OBJECT_0) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, kPatience);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

std::wstring besideThisProgram(std::wstring_view file) {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = 0;
  while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
         path.size()) {
    path.resize(path.size() * 2);
  }
  path.resize(length);
  return path.substr(0, path.find_last_of(L"\\/") + 1) + std::wstring(file);
}

}  // namespace drive
