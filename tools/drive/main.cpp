// qelmar-drive: scripted user actions against the real window (see README.md here).

#include "tools/drive/driver.h"

#include <QApplication>

#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
  // No display is needed unless the caller asks for a platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  drive::Driver driver;

  std::string line;
  while (std::getline(std::cin, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    std::cout << driver.perform(QByteArray::fromStdString(line)).toStdString() << '\n'
              << std::flush;
  }
  return 0;
}
