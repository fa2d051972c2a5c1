#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace drive {

// A run of the window's program in a process of its own, started from `path` and closed
// as a user closes it, its window found by its class and title among its thread's.
class RemoteProgram {
 public:
  explicit RemoteProgram(const std::wstring& path);  // returns once the window is shown
  ~RemoteProgram();
  RemoteProgram(const RemoteProgram&) = delete;
  RemoteProgram& operator=(const RemoteProgram&) = delete;

  HWND window() const { return window_; }
  // The program's user-interface thread, which owns the window and its focus.
  DWORD thread() const { return process_.dwThreadId; }

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// The path of `file` in this program's own folder.
std::wstring besideThisProgram(std::wstring_view file);

}  // namespace drive
