// qelmar-drive-web-protocol: the driver's protocol for the web page, the same as every
// window's driver speaks. qelmar-drive-web runs it under node and plays what it asks in
// Chromium (see ../README.md).
//   qelmar-drive-web-protocol REQUESTS ANSWERS   (the player's pipes, as descriptors)

#include <exception>
#include <iostream>
#include <string>

#include "tools/drive/driver.h"
#include "tools/drive/web/browser_window.h"
#include "tools/drive/web/node_files.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: qelmar-drive-web-protocol REQUESTS ANSWERS (run by qelmar-drive-web)\n";
    return 2;
  }
  try {
    drive::BrowserWindow window(std::stoi(argv[1]), std::stoi(argv[2]));
    drive::NodeFileBuffer input(0), output(1);
    std::istream actions(&input);
    std::ostream states(&output);
    drive::Driver(window).serve(actions, states);
  } catch (const std::exception& error) {
    std::cerr << "qelmar-drive-web: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
