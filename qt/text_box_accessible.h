#pragma once

namespace qt {

// Lets assistive technology read and edit every text box of the window through LineEditText,
// as Qt's own interface for a line edit would but for the whole text in one run. The text part
// of a combo box is the box's business (installComboBoxAccessible). A box tells the selection
// the user makes in it, but not the one a move of the focus makes or drops, so a Tab is heard
// once, as the focus arriving in a box with its text selected. Takes effect for line edits
// made after it; installing twice does nothing more.
void installTextBoxAccessible();

}  // namespace qt
