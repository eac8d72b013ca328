#pragma once

#include <functional>

#include <QString>
#include <QWidget>

/// Creates the process's QApplication, set up as the program sets it up, on first use; it
/// lives until the test program ends. Stored settings live in a folder of the process.
void EnsureQtApp();

/// Drops the settings a window stored, so the next window starts from the defaults.
void ForgetStoredSettings();

/// The one child of `window` with this object name; for the two Label3 also this "index".
QWidget* Control(const QWidget& window, const QString& name, int index = -1);

/// What ExecAfter returns when nothing ended the event loop.
inline constexpr int kLoopWentOn = 42;

/// Runs `action` inside the application's event loop and returns the loop's exit code:
/// kLoopWentOn when neither `action` nor what it set going ended the program.
int ExecAfter(QObject* context, const std::function<void()>& action);
