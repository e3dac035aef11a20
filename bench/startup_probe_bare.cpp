// The yardstick: a plain Qt window of the same size holding as many default widgets as the
// program's window, without its fonts, texts or logic.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include "bench/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(792, 566);
    int row = 0;
    const auto place = [&](QWidget* widget) {
        widget->move(8 + (row % 3) * 260, 8 + (row / 3) * 40), ++row;
    };
    for (int i = 0; i < 14; ++i) place(new QLineEdit(&window));
    for (int i = 0; i < 16; ++i) place(new QLabel(QStringLiteral("Label"), &window));
    for (int i = 0; i < 2; ++i) place(new QPushButton(QStringLiteral("Button"), &window));
    for (int i = 0; i < 3; ++i) place(new QCheckBox(QStringLiteral("CheckBox"), &window));
    place(new QPlainTextEdit(&window));
    // The chart and the credit line's layer are plain widgets that paint themselves.
    for (int i = 0; i < 2; ++i) place(new QWidget(&window));
    QuitAfterFirstPaint(window);
    window.show();
    return application.exec();
}
