#include "ui/pie_chart_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

namespace {

using chart::PieChartLayout;
using chart::PiePointInput;

const QSize ChartSize(193, 159);
const QSize TitleSize(98, 13);
// Text extents of "Mzda", "Soc.", "Zdrav." and "Daň" in an 11-pixel sans-serif face.
const std::array<QSize, 4> LabelSizes{QSize(25, 13), QSize(22, 13), QSize(31, 13), QSize(20, 13)};

PieChartLayout Layout(const std::array<double, 4>& values) {
    std::array<PiePointInput, 4> points;
    for (std::size_t i = 0; i < 4; ++i) points[i] = {values[i], LabelSizes[i]};
    return chart::LayoutPieChart(ChartSize, TitleSize, points);
}

QPointF RimPoint(const QRect& pieBox, double degrees) {
    const QRectF box(pieBox);
    const double radians = degrees * std::numbers::pi / 180;
    return {box.center().x() + box.width() / 2 * std::cos(radians),
            box.center().y() - box.height() / 2 * std::sin(radians)};
}

enum class MarkAt { Anywhere, ThreeOClock, NineOClock };

struct LayoutCase {
    const char* name;
    std::array<double, 4> values;
    std::array<double, 4> spans;  // degrees, to a tenth
    std::array<bool, 4> wedgeDrawn;
    std::array<MarkAt, 4> markAt;
};

constexpr MarkAt Any = MarkAt::Anywhere, Three = MarkAt::ThreeOClock, Nine = MarkAt::NineOClock;

const LayoutCase LayoutCases[] = {
    {"DefaultInputs",
     {13400, 451, 650, 0},
     {332.7, 11.2, 16.1, 0},
     {true, true, true, false},
     {Any, Any, Any, Three}},
    {"Gross30000",
     {40200, 1350, 1950, 3960},
     {304.9, 10.2, 14.8, 30.0},
     {true, true, true, true},
     {Any, Any, Any, Any}},
    {"AllZeros",
     {0, 0, 0, 0},
     {360, 0, 0, 0},
     {true, false, false, false},
     {Nine, Three, Three, Three}},
    {"NegativeWageSizedByMagnitude",
     {-13400, -450, -649, 0},
     {332.7, 11.2, 16.1, 0},
     {true, true, true, false},
     {Any, Any, Any, Three}},
    {"SliverOnOnePixelHasNoWedge",
     {1e6, 1, 0, 0},
     {360, 0, 0, 0},
     {true, false, false, false},
     {Any, Any, Three, Three}},
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class PieLayoutTable : public testing::TestWithParam<LayoutCase> {};

TEST_P(PieLayoutTable, SlicesCloseTheCircleFromThreeOClock) {
    const LayoutCase& c = GetParam();
    const PieChartLayout layout = Layout(c.values);
    ASSERT_EQ(layout.slices.size(), 4u);
    EXPECT_EQ(layout.slices.front().startDegrees, 0.0);
    EXPECT_EQ(layout.slices.back().endDegrees, 360.0);
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const chart::PieSliceLayout& slice = layout.slices[i];
        EXPECT_NEAR(slice.spanDegrees(), c.spans[i], 0.05);
        if (i > 0) {
            EXPECT_EQ(slice.startDegrees, layout.slices[i - 1].endDegrees);
        }
        EXPECT_EQ(slice.wedgeDrawn, c.wedgeDrawn[i]);
    }
}

TEST_P(PieLayoutTable, EveryPointHasAMarkBeyondItsCallout) {
    const LayoutCase& c = GetParam();
    const PieChartLayout layout = Layout(c.values);
    const QPointF centre = QRectF(layout.pieBox).center();
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const chart::PieSliceLayout& slice = layout.slices[i];
        const double middle = (slice.startDegrees + slice.endDegrees) / 2;
        const QPointF rim = RimPoint(layout.pieBox, middle);
        EXPECT_NEAR(slice.callout.x1(), rim.x(), 1e-9);
        EXPECT_NEAR(slice.callout.y1(), rim.y(), 1e-9);
        // Outward by 8 pixels; only a move of its mark can bend the line vertically.
        EXPECT_NEAR(slice.callout.dx(), 8 * std::cos(middle * std::numbers::pi / 180), 1e-9);
        EXPECT_EQ(slice.markBox.size(), chart::MarkBoxSize(LabelSizes[i]));
        // The box touches the callout's end and stands on the side away from the pie.
        const QPointF end = slice.callout.p2();
        EXPECT_TRUE(QRectF(slice.markBox).adjusted(-1, -1, 1, 1).contains(end));
        EXPECT_FALSE(QRectF(slice.markBox).adjusted(1, 1, -1, -1).contains(end));
        EXPECT_GT(QLineF(centre, QRectF(slice.markBox).center()).length(),
                  QLineF(centre, end).length());

        const QPointF threeOClock(layout.pieBox.x() + layout.pieBox.width(), centre.y());
        const QPointF nineOClock(layout.pieBox.x(), centre.y());
        if (c.markAt[i] == Three) {
            EXPECT_EQ(slice.callout.p1(), threeOClock);
        }
        if (c.markAt[i] == Nine) {
            EXPECT_EQ(slice.callout.p1(), nineOClock);
        }
    }
}

TEST_P(PieLayoutTable, MarksFitTheChartWithoutOverlapping) {
    const PieChartLayout layout = Layout(GetParam().values);
    const QRect chartRect(QPoint(0, 0), ChartSize);
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const QRect& box = layout.slices[i].markBox;
        EXPECT_TRUE(
            chartRect.contains(box.adjusted(0, 0, chart::MarkShadowWidth, chart::MarkShadowWidth)))
            << box.x() << "," << box.y();
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(box.intersects(layout.slices[j].markBox)) << "with mark " << j;
    }
}

INSTANTIATE_TEST_SUITE_P(WageSplits, PieLayoutTable, testing::ValuesIn(LayoutCases),
                         [](const auto& info) { return info.param.name; });

TEST(PieLayout, PieIsAnEllipseBelowTheTitleWithRoomForTheMarks) {
    const PieChartLayout layout = Layout({13400, 451, 650, 0});
    EXPECT_EQ(layout.titleBox.size(), TitleSize);
    EXPECT_NEAR(layout.titleBox.center().x(), ChartSize.width() / 2, 1);
    EXPECT_GT(layout.pieBox.top(), layout.titleBox.bottom());
    EXPECT_NE(layout.pieBox.width(), layout.pieBox.height());
    const QSize widestMark = chart::MarkBoxSize(LabelSizes[2]);
    EXPECT_GE(layout.pieBox.left(), chart::CalloutLength + widestMark.width());
    EXPECT_LE(layout.pieBox.right(),
              ChartSize.width() - 1 - chart::CalloutLength - widestMark.width());
}

TEST(PieLayout, CoincidingMarksStackDownwardsInPointOrder) {
    const PieChartLayout layout = Layout({0, 0, 0, 0});
    const int height = layout.slices[1].markBox.height();
    for (std::size_t i = 2; i < 4; ++i) {
        SCOPED_TRACE(i);
        const chart::PieSliceLayout& above = layout.slices[i - 1];
        const chart::PieSliceLayout& mark = layout.slices[i];
        EXPECT_EQ(mark.markBox.top(), above.markBox.bottom() + 1);
        EXPECT_EQ(mark.callout.y2() - above.callout.y2(), height);  // the line's end moves too
        EXPECT_EQ(mark.callout.y1(), above.callout.y1());
    }
}

TEST(PieLayout, TinyChartGivesAnEmptyPieBoxInsteadOfANegativeOne) {
    const std::array<PiePointInput, 1> point{{{5, QSize(25, 13)}}};
    const PieChartLayout layout = chart::LayoutPieChart(QSize(30, 30), TitleSize, point);
    EXPECT_GE(layout.pieBox.width(), 0);
    EXPECT_GE(layout.pieBox.height(), 0);
    ASSERT_EQ(layout.slices.size(), 1u);
    EXPECT_EQ(layout.slices[0].spanDegrees(), 360.0);
}

}  // namespace
