#include "web/event_listener.h"

#include <emscripten/bind.h>

#include <cstdint>

namespace web {
namespace {

using emscripten::val;

// embind of emscripten 3.1.6 hands no C++ object to JavaScript without copying it, so the
// listener travels as its address, bound as the first argument of one exported function.
void handleEvent(std::uintptr_t listener, val event) {
  reinterpret_cast<EventListener*>(listener)->handleEvent(std::move(event));
}

EMSCRIPTEN_BINDINGS(qelmar_events) { emscripten::function("qelmarEvent", &handleEvent); }

}  // namespace

val EventListener::callback() {
  return val::module_property("qelmarEvent")
      .call<val>("bind", val::null(), reinterpret_cast<std::uintptr_t>(this));
}

void EventListener::listen(const val& target, const char* type) {
  target.call<void>("addEventListener", val(type), callback());
}

}  // namespace web
