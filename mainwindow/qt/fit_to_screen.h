// Keeping a top-level window on its screen when it first shows: a window
// larger than the screen's free area shrinks to it, and a window that sticks
// out is moved in, title bar included.
#pragma once

class QWidget;

namespace ordalis {

// Shrinks and moves `window` (shown or about to show) so that its frame lies
// inside the available geometry of its screen.
void FitToScreen(QWidget* window);

}  // namespace ordalis
