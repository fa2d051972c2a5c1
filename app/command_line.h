#pragma once

#include <span>
#include <string>

namespace app {

// What the arguments after the program's name ask for. Qt's own options (-platform NAME,
// -style NAME, ...) belong to the window and ask for nothing here.
struct Request {
  enum class Kind { OpenWindow, ShowHelp, ShowVersion, Refuse };
  Kind kind = Kind::OpenWindow;
  std::string refusal;  // for Refuse: what was wrong, without the program's name
};

Request readCommandLine(std::span<const char* const> arguments);

// The text --help prints.
std::string usage();

}  // namespace app
