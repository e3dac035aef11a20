#include "ui/handler_guard.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/field_events.h"
#include "ui/unit1.h"
#include "ui/window_fixture.h"
#include "wage/errors.h"

namespace {

std::vector<std::string> sunkMessages;

void RecordError(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        sunkMessages.emplace_back(e.what());
    }
}

class HandlerGuardTest : public testing::Test {
protected:
    void SetUp() override {
        sunkMessages.clear();
        previous_ = SetHandlerErrorSink(&RecordError);
    }
    void TearDown() override { SetHandlerErrorSink(previous_); }

private:
    HandlerErrorSink previous_ = nullptr;
};

TEST_F(HandlerGuardTest, AnErrorEndsTheHandlerAndGoesToTheSink) {
    bool finished = false;
    EXPECT_NO_THROW(RunHandler([&] {
        throw wage::EOverflow();
        finished = true;
    }));
    EXPECT_FALSE(finished);
    EXPECT_EQ(sunkMessages, std::vector<std::string>{"Floating point overflow"});
}

TEST_F(HandlerGuardTest, AHandlerThatSucceedsReportsNothing) {
    bool ran = false;
    RunHandler([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(sunkMessages.empty());
}

TEST_F(HandlerGuardTest, WithoutASinkTheErrorGoesOnToTheCaller) {
    SetHandlerErrorSink(nullptr);
    EXPECT_THROW(RunHandler([] { throw std::runtime_error("x"); }), std::runtime_error);
}

// The window's handlers report their own errors, so none escapes even when a signal is raised
// directly, outside the application's event dispatch and its catch-all.
class HandlerErrorsInTheWindow : public WindowTest {};

TEST_F(HandlerErrorsInTheWindow, NoErrorLeavesAHandler) {
    form_->Edit1->setText(QString());
    EXPECT_NO_THROW(form_->Button1->click());
    const std::vector<ReportedError> errors = TakeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, QStringLiteral("'' is not a valid floating point value."));

    EXPECT_NO_THROW(emit form_->Edit3->findChild<ClickSource*>()->clicked());
    ASSERT_EQ(TakeErrors().size(), 1u);
}

}  // namespace
