#include "ui/field_events.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

bool IsRefusedInDigitsOnlyField(const QString& typedText) {
    for (const QChar c : typedText) {
        if (c.category() == QChar::Other_Control) continue;
        if (c < u'0' || c > u'9') return true;
    }
    return false;
}

DigitsOnlyTyping::DigitsOnlyTyping(QWidget* field) : QObject(field) {
    field->installEventFilter(this);
}

bool DigitsOnlyTyping::eventFilter(QObject* watched, QEvent* event) {
    QString typed;
    if (event->type() == QEvent::KeyPress) {
        typed = static_cast<QKeyEvent*>(event)->text();
    } else if (event->type() == QEvent::InputMethod) {
        typed = static_cast<QInputMethodEvent*>(event)->commitString();
    }
    if (!typed.isEmpty() && IsRefusedInDigitsOnlyField(typed)) {
        QApplication::beep();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

ClickSource::ClickSource(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }

bool ClickSource::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) pressed_ = true;
            break;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton || !pressed_) break;
            pressed_ = false;
            const bool inside =
                static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
            // The field finishes its own release handling first, so a click handler that fails
            // leaves no half-done mouse state behind.
            watched->event(event);
            if (inside) emit clicked();
            return true;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}
