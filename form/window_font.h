#pragma once

#include <QFont>

#include <functional>

namespace form {

// The one font of the window: whichever Japanese face the machine resolves, at the
// largest pixel size from 10 down to 8 at which `textsFit` holds (the smallest if none).
QFont windowFont(const std::function<bool(const QFont&)>& textsFit);

}  // namespace form
