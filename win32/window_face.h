#pragma once

#include <string>

namespace win32 {

// The face of the window's font: the first, in a fixed order, that has a glyph of its own
// for every character the window shows (the window table's captions, start texts and list
// items, the messages, every digit and the minus sign of the results). First the
// user-interface faces of Japanese Windows, then every other face of the system with
// Japanese characters, by name; the face of the system's message font when none has them
// all.
std::wstring windowFace();

}  // namespace win32
