#include "ui/window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QWidget>

#include "app/startup.h"

void UiTest::SetUp() {
    ASSERT_TRUE(folder_.isValid());
    previousFolder_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder_.path()));
    previousReporter_ = cista::SetErrorReporter([this](const QString& title, const QString& text) {
        errors_.push_back({title, text, Form1 && Form1->isVisible()});
    });
    modalWatch_.setInterval(50);
    QObject::connect(&modalWatch_, &QTimer::timeout, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "unexpected modal dialog: " << dialog->windowTitle().toStdString();
            dialog->close();
        }
    });
    modalWatch_.start();
}

void UiTest::TearDown() {
    modalWatch_.stop();
    for (const ReportedError& error : errors_) {
        ADD_FAILURE() << "unexpected error box: " << error.text.toStdString();
    }
    cista::SetErrorReporter(previousReporter_);
    QDir::setCurrent(previousFolder_);
}

void UiTest::WriteFile(const QString& name, const QByteArray& bytes) const {
    QFile file(folder_.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

std::vector<ReportedError> UiTest::TakeErrors() { return std::exchange(errors_, {}); }

void WindowTest::SetUp() {
    UiTest::SetUp();
    WriteFile(QStringLiteral("uvod.txt"), "\xEF\xBB\xBFÚvod");
    form_ = cista::CreateMainForm();
    cista::ShowMainForm(*form_);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
}

void WindowTest::TearDown() {
    form_.reset();
    UiTest::TearDown();
}

void WindowTest::Type(QWidget* field, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &release);
    }
}
