#include "app/application.h"

#include <QIcon>
#include <QProxyStyle>
#include <exception>

#include "app/error_box.h"
#include "app/window_font.h"
#include "ui/handler_guard.h"
#include "ui/unit1.h"

namespace cista {
namespace {

// Tooltips come up after 500 ms of rest (each control keeps them 2500 ms).
class HintTimingStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return 500;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QIcon WindowIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/16x16/apps/cista-mzda.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/32x32/apps/cista-mzda.png"), QSize(32, 32));
    return icon;
}

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setStyle(new HintTimingStyle);  // the application owns its style
    EnsureTahoma();
    setWindowIcon(WindowIcon());
    SetHandlerErrorSink(&HandleException);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    // The window's handlers report their own errors; this catches whatever else escapes.
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleException(std::current_exception());
        return true;  // the handler ran as far as it got; the event is done with
    }
}

bool Application::event(QEvent* event) {
    // The window reads the decimal separator again when the user's regional settings change.
    if (event->type() == QEvent::LocaleChange && Form1) {
        QEvent changed(QEvent::LocaleChange);
        QApplication::sendEvent(Form1, &changed);
    }
    return QApplication::event(event);
}

}  // namespace cista
