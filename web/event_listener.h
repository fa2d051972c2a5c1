#pragma once

#include <emscripten/val.h>

namespace web {

// An object the browser calls back, as it calls an EventListener: handleEvent gets every
// event of the types it listens for (and undefined from a timer). The page's objects live
// as long as the page, so nothing is ever unregistered.
class EventListener {
 public:
  virtual void handleEvent(emscripten::val event) = 0;

 protected:
  ~EventListener() = default;

  // Makes `target` call handleEvent for each of its events of `type`.
  void listen(const emscripten::val& target, const char* type);
  // A JavaScript function that calls handleEvent with its argument.
  emscripten::val callback();
};

}  // namespace web
