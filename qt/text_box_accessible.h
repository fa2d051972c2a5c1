#pragma once

namespace qt {

// Lets assistive technology read and edit every text box of the window through LineEditText,
// as Qt's own interface for a line edit would but for the whole text in one run. The text part
// of a combo box is the box's business (installComboBoxAccessible). Takes effect for line
// edits made after it; installing twice does nothing more.
void installTextBoxAccessible();

}  // namespace qt
