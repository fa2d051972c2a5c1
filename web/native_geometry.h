#pragma once

#include <emscripten/val.h>

#include "form/geometry.h"

namespace web {

// Gives `element` its box of the window table for the desktop layout: the window's pixels
// at 96 dpi as CSS pixels, which the browser's zoom scales. The style sheet places it there
// on a wide screen; the one-column layout of a phone leaves the box unused.
void placeAt(const emscripten::val& element, const form::Twips& box);

}  // namespace web
