#pragma once

namespace ui {

/// What the program sets once its QApplication exists and before the window is made: the one
/// font that every text of the window is drawn in, sized for the window's fixed layout; the
/// program's icon; and the name under which the desktop knows it.
void SetUpApplication();

}  // namespace ui
