// qelmar-drive.exe: scripted user actions against the real Win32 window, the program
// qelmar.exe in a process of its own (see ../README.md).
//   qelmar-drive.exe [--program PATH\qelmar.exe]

#include "tools/drive/driver.h"
#include "tools/drive/win32/remote_program.h"
#include "tools/drive/win32/win32_window.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

int wmain(int argc, wchar_t* argv[]) {
  // Lines are UTF-8 bytes: no CR added, no stop at byte 0x1A.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  // Mouse points in the controls' own pixels, whatever the density.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  std::wstring program = drive::besideThisProgram(L"qelmar.exe");
  if (argc == 3 && std::wstring(argv[1]) == L"--program") {
    program = argv[2];
  } else if (argc != 1) {
    std::fputs("usage: qelmar-drive.exe [--program PATH\\qelmar.exe]\n", stderr);
    return 2;
  }
  try {
    drive::Win32Window window(program);
    drive::Driver(window).serve(std::cin, std::cout);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "qelmar-drive: %s\n", error.what());
    return 1;
  }
  return 0;
}
