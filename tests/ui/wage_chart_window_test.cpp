#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "ui/pie_chart_series.h"
#include "ui/wage_chart.h"
#include "ui/window_fixture.h"

namespace {

struct Slice {
    double value;
    QString label;
    QColor colour;
    bool operator==(const Slice&) const = default;
};

std::vector<Slice> Slices(const PieSeries& series) {
    std::vector<Slice> slices;
    for (std::size_t i = 0; i < series.points().size(); ++i) {
        const PieSeries::Point& point = series.points()[i];
        slices.push_back({point.value, point.label, series.sliceColor(i)});
    }
    return slices;
}

void PrintTo(const Slice& s, std::ostream* os) {
    *os << s.label.toStdString() << " " << s.value << " " << s.colour.name().toStdString();
}

const QColor Blue(0x44, 0x66, 0xA3), Orange(0xF3, 0x9C, 0x35), RedOrange(0xF1, 0x4C, 0x14),
    Teal(0x4E, 0x97, 0xA8);

const std::vector<Slice> DefaultSlices{
    {13400, "Mzda", Blue}, {451, "Soc.", Orange}, {650, "Zdrav.", RedOrange}, {0, "Daň", Teal}};

using WageChartWindowTest = WindowTest;

TEST_F(WageChartWindowTest, StartsEmptyBesideTheTaxFields) {
    EXPECT_EQ(form_->Chart1->parentWidget(), form_.get());
    EXPECT_EQ(form_->Chart1->geometry(), QRect(112, 175, 193, 159));
    EXPECT_EQ(form_->Chart1->title(), QStringLiteral("Graf rozdělení mzdy"));
    EXPECT_EQ(form_->Series1, form_->Chart1->series());
    EXPECT_TRUE(form_->Series1->points().empty());
    EXPECT_EQ(form_->Chart1->focusPolicy(), Qt::NoFocus);
}

TEST_F(WageChartWindowTest, SecondCalculationLeavesOnlyItsFourSlices) {
    QTest::mouseClick(form_->Button1, Qt::LeftButton);
    ASSERT_EQ(Slices(*form_->Series1), DefaultSlices);

    form_->Edit1->setText(QStringLiteral("30000"));
    form_->Edit2->setText(QStringLiteral("0"));
    QTest::mouseClick(form_->Button1, Qt::LeftButton);
    const std::vector<Slice> expected{{40200, "Mzda", Blue},
                                      {1350, "Soc.", Orange},
                                      {1950, "Zdrav.", RedOrange},
                                      {3960, "Daň", Teal}};
    EXPECT_EQ(Slices(*form_->Series1), expected);
}

TEST_F(WageChartWindowTest, FailedCalculationKeepsTheEarlierSlices) {
    struct Failing {
        const char* grossWage;
        const char* children;
        const char* relief;
    };
    // Stopped while reading the inputs, and half-way through the figures.
    for (const Failing& input : {Failing{"", "1", "1117"}, Failing{"10000", "2", "1e308"}}) {
        SCOPED_TRACE(input.relief);
        form_->Edit1->setText(QStringLiteral("10000"));
        form_->Edit2->setText(QStringLiteral("1"));
        form_->Edit14->setText(QStringLiteral("1117"));
        QTest::mouseClick(form_->Button1, Qt::LeftButton);

        form_->Edit1->setText(QString::fromUtf8(input.grossWage));
        form_->Edit2->setText(QString::fromUtf8(input.children));
        form_->Edit14->setText(QString::fromUtf8(input.relief));
        QTest::mouseClick(form_->Button1, Qt::LeftButton);
        EXPECT_EQ(TakeErrors().size(), 1u);
        EXPECT_EQ(Slices(*form_->Series1), DefaultSlices);
    }
}

}  // namespace
