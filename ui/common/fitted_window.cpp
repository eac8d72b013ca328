#include "ui/common/fitted_window.h"

#include <algorithm>

#include <QMargins>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

namespace ui {

namespace {

// A window manager frames a window only once it is mapped, so its frame is not known before
// the window shows; a usual title bar and border stand in for it.
constexpr QMargins kUsualFrame(4, 32, 4, 4);

// The width a scroll bar takes from the viewport, with the gap some styles leave beside it.
int ScrollBarExtent(const QScrollArea& area) {
  const QStyle* style = area.style();
  int extent = area.verticalScrollBar()->sizeHint().width();
  if (style->styleHint(QStyle::SH_ScrollView_FrameOnlyAroundContents, nullptr, &area)) {
    extent += style->pixelMetric(QStyle::PM_ScrollView_ScrollBarSpacing, nullptr, &area);
  }
  return extent;
}

}  // namespace

QSize ScrollingClientSize(QSize content, QSize room, int barExtent) {
  bool vertical = content.height() > room.height();
  const bool horizontal = content.width() + (vertical ? barExtent : 0) > room.width();
  vertical = vertical || content.height() + (horizontal ? barExtent : 0) > room.height();
  return {std::min(room.width(), content.width() + (vertical ? barExtent : 0)),
          std::min(room.height(), content.height() + (horizontal ? barExtent : 0))};
}

QPoint PlacedInside(const QRect& client, const QMargins& frame, const QRect& available) {
  const QRect framed = client.marginsAdded(frame);
  const int left =
      std::max(available.left(), std::min(framed.left(), available.right() + 1 - framed.width()));
  const int top =
      std::max(available.top(), std::min(framed.top(), available.bottom() + 1 - framed.height()));
  return {left + frame.left(), top + frame.top()};
}

FittedWindow::FittedWindow(QWidget& window) : window_(window) {
  const QRect available = window.screen()->availableGeometry();
  const QSize room = available.size().shrunkBy(kUsualFrame);
  if (window.width() <= room.width() && window.height() <= room.height()) {
    // A 1280 x 720 screen holds the window, but not at its usual place: its buttons would
    // fall below the edge.
    window.setGeometry({PlacedInside(window.geometry(), kUsualFrame, available), window.size()});
    return;
  }

  QWidget* const focused = window.focusWidget();
  scroller_ = std::make_unique<QScrollArea>();
  scroller_->setWindowTitle(window.windowTitle());
  scroller_->setFrameShape(QFrame::NoFrame);
  // Tab goes round the window's controls only, as in the window that fits.
  scroller_->setFocusPolicy(Qt::NoFocus);
  scroller_->setWidget(&window);
  if (focused != nullptr) focused->setFocus();
  scroller_->resize(ScrollingClientSize(window.size(), room, ScrollBarExtent(*scroller_)));
  scroller_->move(available.topLeft());
}

FittedWindow::~FittedWindow() {
  if (scroller_) scroller_->takeWidget();
}

QWidget& FittedWindow::shown() const {
  return scroller_ ? static_cast<QWidget&>(*scroller_) : window_;
}

}  // namespace ui
