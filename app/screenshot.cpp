// Renders the window after one calculation with the default inputs to the PNG file named on
// the command line; run from the folder that holds the panel's texts.
#include <QGuiApplication>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "app/application.h"
#include "app/startup.h"
#include "wage/wage_calculator.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    wage::SetExtendedPrecision();
    cista::Application application(argc, argv);
    const auto form = cista::CreateMainForm();
    cista::ShowMainForm(*form);
    form->Button1->click();
    int status = 1;
    // Long enough for the credit line to be typed once.
    QTimer::singleShot(2150, [&] {
        // What the screen shows: rendering the window afresh would wipe the credit line.
        const QPixmap shown = QGuiApplication::primaryScreen()->grabWindow(form->winId());
        status = shown.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        application.quit();
    });
    application.exec();
    return status;
}
