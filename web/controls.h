#pragma once

#include <emscripten/val.h>

#include "form/window_table.h"

namespace web {

// The page's element for a row of a kind that needs no behaviour of its own: a text box, the
// banner, the divider or the button. Combo boxes and the message line are objects of their
// own (combo_box.h, message_line.h).
emscripten::val makeControl(const form::Row& row);

// The label that names a field, on screen and to a screen reader (<label for>).
emscripten::val makeCaptionLabel(const form::CaptionLabel& caption, std::u16string_view field);

// A new element of the page's document.
emscripten::val newElement(const char* tag);

}  // namespace web
