#include <gtest/gtest-spi.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "app/error_box.h"
#include "ui/window_fixture.h"

namespace {

using ErrorBoxDialogTest = UiTest;

TEST_F(ErrorBoxDialogTest, ShowsTheErrorIconOneOkButtonAndTheProgramsTitle) {
    AllowModalDialogs();
    const cista::ErrorReporter recorder = cista::SetErrorReporter({});  // the real box
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString title, text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        for (QAbstractButton* button : box->buttons()) buttons << button->text();
        title = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });

    cista::ReportError(QStringLiteral("Floating point overflow"));
    cista::SetErrorReporter(recorder);

    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons.size(), 1);
    EXPECT_EQ(title, QStringLiteral("app_tests"));
    EXPECT_EQ(text, QStringLiteral("Floating point overflow."));
}

using FixtureTest = UiTest;

TEST_F(FixtureTest, AnUnexpectedModalDialogFailsTheTestInsteadOfHanging) {
    EXPECT_NONFATAL_FAILURE(
        {
            QMessageBox box(QMessageBox::Question, QStringLiteral("?"), QStringLiteral("?"));
            box.exec();
        },
        "unexpected modal dialog");
}

}  // namespace
