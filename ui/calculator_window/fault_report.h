#pragma once

#include <functional>

#include <QString>

#include "values/fault.h"

class QWidget;

namespace ui {

/// Tells the user over `window` that a run has stopped, and why it probably did; returns when
/// the user has read it.
using FaultReport =
    std::function<void(QWidget* window, const QString& message, const QString& explanation)>;

/// "Ошибка 11: Деление на ноль".
QString FaultMessage(const values::Fault& fault);

/// The report the user sees: a modal warning box titled like the window, the explanation
/// under the message.
void ShowFaultBox(QWidget* window, const QString& message, const QString& explanation);

}  // namespace ui
