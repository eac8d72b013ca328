#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace ui {

/// Whether the user picks a design file to open or a file to save the design in.
enum class DesignChoice { Open, Save };

/// Asks over `window` for a design file, starting in `folder`, offering `name` for saving; an
/// empty path when the user cancels. Tests pass one that answers at once.
using DesignDialog = std::function<QString(QWidget* window, DesignChoice choice,
                                           const QString& folder, const QString& name)>;

/// Qt's file dialog for design files, in Russian.
QString AskDesignFile(QWidget* window, DesignChoice choice, const QString& folder,
                      const QString& name);

}  // namespace ui
