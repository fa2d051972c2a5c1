#pragma once

namespace form {

// Lets assistive technology name the window's combo boxes by their accessible name (the
// caption), with the text as their value. Qt's own interface for a combo box on Linux
// names it by its text, so a box read out after a pick no longer says what it is for.
// Installing twice does nothing more.
void installComboBoxAccessible();

}  // namespace form
