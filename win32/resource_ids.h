#pragma once

// Resources of the window, for the resource script and the code alike.
#define QELMAR_ICON 1
#define QELMAR_BANNER_GIF 101
