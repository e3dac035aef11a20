#pragma once

#include <QObject>
#include <QString>

class QWidget;

// True when typed text holds a character that a digits-only field refuses: anything printable
// other than 0 to 9. Control characters (shortcuts such as Ctrl+V) pass.
bool IsRefusedInDigitsOnlyField(const QString& typedText);

// Makes a line edit refuse typed characters other than digits. Pasted or programmatically set
// text is left alone: it reaches the number conversions unchanged.
class DigitsOnlyTyping : public QObject {
    Q_OBJECT

public:
    explicit DigitsOnlyTyping(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Raises clicked() when the left mouse button is pressed and released on the watched widget,
// the way a click event of a plain edit field works.
class ClickSource : public QObject {
    Q_OBJECT

public:
    explicit ClickSource(QWidget* widget);

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool pressed_ = false;
};
