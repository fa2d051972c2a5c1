#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "tools/drive/window.h"

namespace drive {

class ActionLine;

// Plays a user at a window: one action line in, one state line or error line out (the
// protocol of README.md here), the same for every toolkit's window.
class Driver {
 public:
  explicit Driver(Window& window) : window_(window) {}

  // Performs the action of one line and returns the state line that follows it, or an
  // error line, after which the window is as it was (a pick that failed aside).
  std::string perform(std::string_view line);

  // Answers every line of `in` on `out`, skipping blank lines; returns at the end of `in`.
  void serve(std::istream& in, std::ostream& out);

 private:
  void type(const ActionLine& action);
  void pick(const ActionLine& action);
  void press(const ActionLine& action);
  void grab(const ActionLine& action);
  std::string stateLine() const;

  Window& window_;
};

}  // namespace drive
