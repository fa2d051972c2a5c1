// Run under wine by packaging/check-msi-install once the installed program has been
// started: waits for its window to show, makes sure the program stays up, then closes
// the window as a user would and waits for the program to end.
// usage: qelmar-window-check TITLE IMAGE
//   TITLE  the window's exact title
//   IMAGE  the Windows path of the program that must own it
// Exits 0 when all of that happened; otherwise says what did not, and exits 1.
#include "top_windows.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <optional>
#include <string>

namespace {

std::wstring imageOf(HANDLE process) {
  wchar_t path[MAX_PATH];
  DWORD size = MAX_PATH;
  if (!QueryFullProcessImageNameW(process, 0, path, &size)) return L"?";
  return std::wstring(path, size);
}

int fail(const std::string& message) {
  std::printf("FAIL: %s\n", message.c_str());
  return 1;
}

// Up is up for a while, not a window that flashes while the program dies; then it ends
// as the close box ends it. What went wrong, or nothing.
std::optional<std::string> staysUpAndCloses(HWND window, HANDLE process, const std::string& image,
                                            const std::string& name) {
  if (WaitForSingleObject(process, 1000) != WAIT_TIMEOUT) {
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return image + " ended within a second of opening its window (exit code " +
           std::to_string(code) + ")";
  }
  if (!IsWindow(window) || !IsWindowVisible(window)) {
    return "the window " + name + " went away within a second while its program ran on";
  }
  PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) {
    return image + " still runs 10 s after its window was closed";
  }
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  if (code != 0) {
    return image + " ended with exit code " + std::to_string(code) + " when its window was closed";
  }
  return std::nullopt;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // Plain LF lines for CTest's log.
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc != 3) {
    std::printf("usage: qelmar-window-check TITLE IMAGE\n");
    return 2;
  }
  const wchar_t* title = argv[1];
  const std::wstring image = argv[2];
  std::string name = "'";  // in steps: GCC 12 warns falsely (-Wrestrict) of "'" + text + "'"
  name += utf8(title);
  name += '\'';

  HWND window = awaitVisibleWindow(title);
  if (!window) {
    return fail("no visible top-level window titled " + name + " within 30 s; visible:" +
                visibleTitles());
  }
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, id);
  if (!process) return fail("cannot open the process of the window " + name);
  const std::wstring owner = imageOf(process);
  if (CompareStringOrdinal(owner.c_str(), -1, image.c_str(), -1, TRUE) != CSTR_EQUAL) {
    return fail("the window " + name + " belongs to " + utf8(owner) + ", not " + utf8(image));
  }
  if (const auto failure = staysUpAndCloses(window, process, utf8(image), name)) {
    return fail(*failure);
  }
  std::printf("%s opened its window %s, stayed up, and ended with exit code 0 when it was closed\n",
              utf8(image).c_str(), name.c_str());
  return 0;
}
