#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include "ui/window_fixture.h"

namespace {

using DecimalSeparatorTest = WindowTest;

// Runs once as the environment has it and once more under a Czech locale (see CMakeLists.txt).
TEST_F(DecimalSeparatorTest, FieldsReadAndWriteTheUsersSeparator) {
    const QString point = QLocale::system().decimalPoint();
    const QString separator = point.isEmpty() ? QStringLiteral(".") : point.left(1);
    EXPECT_EQ(QString(QChar(DecimalSeparator())), separator);

    // A gross wage with half a crown keeps it in the net wage.
    form_->Edit1->setText(QStringLiteral("10000") + separator + QStringLiteral("5"));
    QTest::mouseClick(form_->Button1, Qt::LeftButton);

    EXPECT_EQ(form_->Edit9->text(), QStringLiteral("8898") + separator + QStringLiteral("5"));
}

}  // namespace
