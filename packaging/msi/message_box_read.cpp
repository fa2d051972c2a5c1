// Run under wine by packaging/check-msi-install while the installer runs: waits for a
// message box, writes the text it shows to stdout in UTF-8, and presses its OK as a user
// would.
// usage: qelmar-message-box-read TITLE
//   TITLE  the box's exact title
// Exits 0 when it read and closed the box; otherwise says what it saw instead, and exits 1.
#include "top_windows.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc != 2) {
    std::printf("usage: qelmar-message-box-read TITLE\n");
    return 2;
  }
  const HWND box = awaitVisibleWindow(argv[1]);
  if (!box) {
    std::printf("FAIL: no message box titled '%s' within 30 s; visible:%s\n", utf8(argv[1]).c_str(),
                visibleTitles().c_str());
    return 1;
  }
  // A message box shows its text in the static control 0xFFFF, as on Windows.
  wchar_t text[1024];
  const int length = GetDlgItemTextW(box, 0xFFFF, text, 1024);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  std::printf("%s\n", utf8(std::wstring(text, static_cast<size_t>(length))).c_str());
  return 0;
}
