// qelmar-drive: scripted user actions against the real Qt window (see ../README.md).

#include "tools/drive/driver.h"
#include "tools/drive/qt/qt_window.h"

#include <QApplication>

#include <iostream>

int main(int argc, char* argv[]) {
  // No display is needed unless the caller asks for a platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  drive::QtWindow window;
  drive::Driver(window).serve(std::cin, std::cout);
  return 0;
}
