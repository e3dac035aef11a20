#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>

#include "ui/window_fixture.h"

namespace {

std::array<QString, 11> ResultTexts(const TForm1& form) {
    return {form.Edit3->text(),  form.Edit4->text(),  form.Edit5->text(), form.Edit6->text(),
            form.Edit7->text(),  form.Edit8->text(),  form.Edit9->text(), form.Edit10->text(),
            form.Edit11->text(), form.Edit12->text(), form.Edit13->text()};
}

void MarkResults(const TForm1& form) {
    for (QLineEdit* field : {form.Edit3, form.Edit4, form.Edit5, form.Edit6, form.Edit7, form.Edit8,
                             form.Edit9, form.Edit10, form.Edit11, form.Edit12, form.Edit13}) {
        field->setText(QStringLiteral("old"));
    }
}

using CalculateTest = WindowTest;

TEST_F(CalculateTest, DesignTimeInputsGiveTheElevenFiguresAgainOnASecondClick) {
    const std::array<QString, 11> expected{"13400", "13400", "2010", "0",     "451", "650",
                                           "8899",  "900",   "2500", "13400", "4501"};
    QTest::mouseClick(form_->Button1, Qt::LeftButton);
    EXPECT_EQ(ResultTexts(*form_), expected);
    QTest::mouseClick(form_->Button1, Qt::LeftButton);
    EXPECT_EQ(ResultTexts(*form_), expected);
}

struct FailingInput {
    const char* grossWage;
    const char* children;
    const char* relief;
    const char* message;
    int fieldsWritten;  // result fields that show new figures, counted from Edit3
};

class CalculateFailureTest : public WindowTest, public testing::WithParamInterface<FailingInput> {};

TEST_P(CalculateFailureTest, ReportsTheErrorAndKeepsTheLaterFields) {
    const FailingInput& input = GetParam();
    form_->Edit1->setText(QString::fromUtf8(input.grossWage));
    form_->Edit2->setText(QString::fromUtf8(input.children));
    form_->Edit14->setText(QString::fromUtf8(input.relief));
    MarkResults(*form_);

    QTest::mouseClick(form_->Button1, Qt::LeftButton);

    const std::vector<ReportedError> errors = TakeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, QString::fromUtf8(input.message));
    EXPECT_EQ(errors[0].title, QStringLiteral("ui_tests"));
    const std::array<QString, 11> texts = ResultTexts(*form_);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(texts[i] != QStringLiteral("old"), i < input.fieldsWritten) << "Edit" << i + 3;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CalculateFailureTest,
    testing::Values(FailingInput{"", "1", "1117", "'' is not a valid floating point value.", 0},
                    FailingInput{"10000", "x", "1117", "''x'' is not a valid integer value.", 0},
                    FailingInput{"7000000000000000000", "1", "1117",
                                 "Invalid floating point operation.", 0},
                    FailingInput{"10000", "2", "1e308", "Floating point overflow.", 3}));

TEST_F(CalculateTest, ASuccessAfterAFailureOverwritesEveryField) {
    form_->Edit2->setText(QStringLiteral("2"));
    form_->Edit14->setText(QStringLiteral("1e308"));
    QTest::mouseClick(form_->Button1, Qt::LeftButton);
    ASSERT_EQ(TakeErrors().size(), 1u);

    form_->Edit1->setText(QStringLiteral("30000"));
    form_->Edit2->setText(QStringLiteral("0"));
    form_->Edit14->setText(QStringLiteral("1117"));
    QTest::mouseClick(form_->Button1, Qt::LeftButton);
    const std::array<QString, 11> expected{"40200", "40200", "6030", "3960",  "1350", "1950",
                                           "22740", "2700",  "7500", "40200", "17460"};
    EXPECT_EQ(ResultTexts(*form_), expected);
}

}  // namespace
