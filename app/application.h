#pragma once

#include <QApplication>

namespace cista {

// The application object: the program's style, fonts and icon, and the top-level error handler.
// An exception that leaves a handler ends that handler only: it is reported in the error box
// and the event loop goes on.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

protected:
    bool event(QEvent* event) override;
};

}  // namespace cista
