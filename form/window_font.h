#pragma once

#include <QFont>

namespace form {

// The one font of the window: a Japanese face, small enough that the longest caption
// (13 full-width characters) fits its 150-pixel label and every message the two lines of
// the message line.
QFont windowFont();

}  // namespace form
