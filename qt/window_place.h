#pragma once

class QWidget;

namespace qt {

// Puts the window where it opens: its client area at its own place on the screen there, or
// moved the least that fits the whole window, frame and title bar included, in the screen's
// free area (form::openingPlace). Until the window is shown its frame is unknown: placed
// before it is shown without one, and again, once it is shown, as the window manager frames
// it.
void placeAtOpening(QWidget* window);
void placeAgainWhenFramed(QWidget* window);

}  // namespace qt
