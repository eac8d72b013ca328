#pragma once

class QWidget;

namespace ui {

/// Shows `widget`'s tooltip as the plain text it is, even where it looks like markup: a quote of
/// what the user typed, «<b>2</b>», stays as typed. The tooltip itself stays plain text.
void ShowToolTipAsTyped(QWidget& widget);

}  // namespace ui
