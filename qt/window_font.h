#pragma once

#include <QFont>

namespace qt {

// The one font of the window: whichever Japanese face the machine resolves, at the
// largest pixel size from 10 down to 8 at which every caption fits its label's width and
// every message the message line (the smallest if none).
QFont windowFont();

}  // namespace qt
