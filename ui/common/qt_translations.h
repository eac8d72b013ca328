#pragma once

namespace ui {

/// Puts Qt's own texts (the file and print dialogs, a field's edit menu) into Russian, once;
/// false when Qt's translations are not installed. Called just before such a text first shows,
/// so start-up does not read them.
bool UseRussianQtTexts();

}  // namespace ui
