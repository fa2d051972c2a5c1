#include "web/native_geometry.h"

#include <string>

namespace web {

// Custom properties rather than the box's own properties, so that the style sheet decides
// for which width of screen they apply.
void placeAt(const emscripten::val& element, const form::Twips& box) {
  const form::Rect pixels = form::pixels(box);
  const emscripten::val style = element["style"];
  const auto set = [&](const char* property, int value) {
    style.call<void>("setProperty", emscripten::val(property),
                     emscripten::val(std::to_string(value) + "px"));
  };
  set("--left", pixels.left);
  set("--top", pixels.top);
  set("--width", pixels.width);
  set("--height", pixels.height);
}

}  // namespace web
