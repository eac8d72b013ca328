#pragma once

#include <memory>

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QScrollArea;
class QWidget;

namespace ui {

/// Shows a fixed-size window as its screen can hold it: unchanged when the screen's available
/// area takes it with its frame where it stands; moved inside that area when only its place
/// would cut it; otherwise inside a scrolling top-level window of the largest size that fits,
/// the window itself keeping its size and every control its place.
class FittedWindow {
 public:
  explicit FittedWindow(QWidget& window);
  /// Hands the window back to its owner as a hidden top-level window.
  ~FittedWindow();

  FittedWindow(const FittedWindow&) = delete;
  FittedWindow& operator=(const FittedWindow&) = delete;

  /// What the user sees as the window: the window itself, or the scroll area holding it.
  QWidget& shown() const;

 private:
  QWidget& window_;
  std::unique_ptr<QScrollArea> scroller_;
};

/// Where the client area `client` goes so that it lies with `frame` inside `available`: where it
/// is when it does, otherwise moved no further than needed.
QPoint PlacedInside(const QRect& client, const QMargins& frame, const QRect& available);

/// The client size that shows as much of `content` as `room` allows, with a scroll bar
/// `barExtent` wide along each side that does not fit; a bar takes room from the other side.
QSize ScrollingClientSize(QSize content, QSize room, int barExtent);

}  // namespace ui
