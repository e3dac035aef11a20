#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <vector>

#include "app/error_box.h"
#include "ui/unit1.h"

// An error box the program would have shown.
struct ReportedError {
    QString title;
    QString text;
    bool windowVisible;  // whether Form1 was already on screen
};

// Runs each test in a fresh working folder, records error boxes instead of showing them, and
// fails the test (closing the dialog) when any other modal dialog opens instead of hanging.
class UiTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file into the test's working folder.
    void WriteFile(const QString& name, const QByteArray& bytes) const;

    // The error boxes reported so far; the test has then seen them.
    std::vector<ReportedError> TakeErrors();

    // For a test that opens a modal dialog itself and closes it again.
    void AllowModalDialogs() { modalWatch_.stop(); }

private:
    QTemporaryDir folder_;
    QString previousFolder_;
    cista::ErrorReporter previousReporter_;
    std::vector<ReportedError> errors_;
    QTimer modalWatch_;
};

// UiTest with the window created (an introduction in place) and shown.
class WindowTest : public UiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Types text one key event per character, so non-ASCII letters work too.
    static void Type(QWidget* field, const QString& text);

    std::unique_ptr<TForm1> form_;
};
