#pragma once

namespace qt {

// Lets assistive technology name the window's combo boxes (ComboBox) by their accessible
// name (the caption), with what they hold as their value and their own text, and hear a pick
// once, as its item (ComboTextEvents). Qt's own interface for a combo box on Linux names it by
// its text, so a box read out after a pick no longer says what it is for. Takes effect for
// boxes made after it; installing twice does nothing more.
void installComboBoxAccessible();

}  // namespace qt
