#include "app/error_box.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <stdexcept>
#include <vector>

namespace {

struct TextCase {
    const char* message;
    const char* text;
};

class ErrorBoxTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(ErrorBoxTextTest, AppendsAFullStopOnlyAfterCharactersAboveIt) {
    EXPECT_EQ(cista::ErrorBoxText(QString::fromUtf8(GetParam().message)),
              QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxTextTest,
    testing::Values(TextCase{"Floating point overflow", "Floating point overflow."},
                    TextCase{"", ""}, TextCase{"Done.", "Done."},
                    TextCase{"Cannot open file \"a\". Denied (13)",
                             "Cannot open file \"a\". Denied (13)"},
                    TextCase{"'x' is not a valid value '", "'x' is not a valid value '"},
                    TextCase{"ends with -", "ends with -"}, TextCase{"ends with ,", "ends with ,"},
                    TextCase{"ends with space ", "ends with space "},
                    TextCase{"ends with a slash/", "ends with a slash/."},
                    TextCase{"ends with 0", "ends with 0."},
                    TextCase{"Chyba v čísle ž", "Chyba v čísle ž."}));

struct TitleCase {
    const char* programFile;
    const char* title;
};

class ProgramTitleTest : public testing::TestWithParam<TitleCase> {};

TEST_P(ProgramTitleTest, IsTheFileNameCutAtTheFirstFullStopWithTheRestInLowerCase) {
    EXPECT_EQ(cista::ProgramTitle(QString::fromUtf8(GetParam().programFile)),
              QString::fromUtf8(GetParam().title));
}

INSTANTIATE_TEST_SUITE_P(Files, ProgramTitleTest,
                         testing::Values(TitleCase{"/usr/bin/cista-mzda", "cista-mzda"},
                                         TitleCase{"/opt/Mzda.Test.bin", "Mzda"},
                                         TitleCase{"CISTA-MZDA", "Cista-mzda"},
                                         TitleCase{"/home/Čistá.Mzda/ČISTÁ.EXE", "Čistá"},
                                         TitleCase{".hidden", ""}, TitleCase{"x", "x"}));

// An object whose event handler fails the way a control's handler can.
class FailingObject : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) throw std::runtime_error("Floating point overflow");
        if (event->type() == QEvent::User + 1) throw 42;
        return QObject::event(event);
    }
};

TEST(TopLevelErrorHandlerTest, ReportsAFailedHandlerAndTheEventLoopGoesOn) {
    std::vector<std::pair<QString, QString>> boxes;
    const auto previous = cista::SetErrorReporter(
        [&](const QString& title, const QString& text) { boxes.emplace_back(title, text); });
    FailingObject failing;

    QEvent failure(QEvent::User);
    QCoreApplication::sendEvent(&failing, &failure);
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::Type(QEvent::User + 1)));
    bool later = false;
    QMetaObject::invokeMethod(
        &failing, [&] { later = true; }, Qt::QueuedConnection);
    QCoreApplication::processEvents();
    cista::SetErrorReporter(previous);

    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], std::make_pair(QStringLiteral("app_tests"),
                                       QStringLiteral("Floating point overflow.")));
    EXPECT_EQ(boxes[1].second, QStringLiteral("Unknown error."));
    EXPECT_TRUE(later);
}

}  // namespace
