#include "bench/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>

namespace {

class FirstPaintWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Report once the whole window, children included, has been painted and flushed.
            QTimer::singleShot(0, [] {
                std::puts("painted");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

}  // namespace

void QuitAfterFirstPaint(QWidget& window) {
    window.installEventFilter(new FirstPaintWatch(&window));
}
