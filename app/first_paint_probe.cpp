#include "app/first_paint_probe.h"

#include <cstdio>
#include <ctime>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace ui {

namespace {

class FirstPaintProbe final : public QObject {
 public:
  explicit FirstPaintProbe(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // Queued, so the stamp is taken once the whole window is painted and flushed.
      QMetaObject::invokeMethod(this, &FirstPaintProbe::Report, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  static void Report() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::printf("first-paint %lld%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
    std::fflush(stdout);
    QCoreApplication::exit(0);
  }
};

}  // namespace

void ExitAfterFirstPaintIfAsked(QWidget& window) {
  if (qEnvironmentVariableIsSet("TS_EXIT_AFTER_FIRST_PAINT")) new FirstPaintProbe(window);
}

}  // namespace ui
