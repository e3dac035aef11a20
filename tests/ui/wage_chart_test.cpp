#include "ui/wage_chart.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <numbers>

#include "ui/pie_chart_series.h"

namespace {

class WageChartTest : public testing::Test {
protected:
    WageChartTest() {
        chart.setTitle(QStringLiteral("Graf rozdělení mzdy"));
        chart.resize(193, 159);
    }

    // The four points of the default calculation.
    void fillDefaultSplit() {
        PieSeries& series = *chart.series();
        series.clear();
        series.append(13400, QStringLiteral("Mzda"));
        series.append(451, QStringLiteral("Soc."));
        series.append(650, QStringLiteral("Zdrav."));
        series.append(0, QStringLiteral("Daň"));
    }

    // A point inside a slice: at its middle angle, `fraction` of the way from the centre to the
    // rim.
    QPoint insideSlice(std::size_t index, double fraction) const {
        const chart::PieChartLayout layout = chart.currentLayout();
        const chart::PieSliceLayout& slice = layout.slices.at(index);
        const double radians = (slice.startDegrees + slice.endDegrees) / 2 * std::numbers::pi / 180;
        const QRectF box(layout.pieBox);
        return QPointF(box.center().x() + fraction * box.width() / 2 * std::cos(radians),
                       box.center().y() - fraction * box.height() / 2 * std::sin(radians))
            .toPoint();
    }

    WageChart chart;
};

bool IsTitleBlue(QColor c) { return c.blue() >= 200 && c.red() <= 60 && c.green() <= 60; }

TEST_F(WageChartTest, PaintsSlicesInTheirColoursUnderABlueTitle) {
    fillDefaultSplit();
    const QImage image = chart.grab().toImage();
    ASSERT_EQ(image.size(), QSize(193, 159));

    EXPECT_EQ(image.pixelColor(insideSlice(0, 0.5)), QColor(0x44, 0x66, 0xA3));   // "Mzda"
    EXPECT_EQ(image.pixelColor(insideSlice(2, 0.75)), QColor(0xF1, 0x4C, 0x14));  // "Zdrav."

    const QRect titleBox = chart.currentLayout().titleBox;
    int titleBlue = 0, blueElsewhere = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsTitleBlue(image.pixelColor(x, y)))
                ++(y <= titleBox.bottom() ? titleBlue : blueElsewhere);
    EXPECT_GT(titleBlue, 20);
    EXPECT_EQ(blueElsewhere, 0);
}

TEST_F(WageChartTest, EmptyChartShowsNoPie) {
    const QImage image = chart.grab().toImage();
    const QColor background = chart.palette().color(QPalette::Button);
    EXPECT_EQ(image.pixelColor(chart.width() / 2, chart.height() / 2), background);
}

TEST_F(WageChartTest, RefillIsPaintedOnceAfterItFinishes) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    QApplication::processEvents();
    chart.installEventFilter(&counter);

    fillDefaultSplit();
    EXPECT_EQ(counter.paints, 0);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
}

TEST_F(WageChartTest, ClickAnywhereEmitsClicked) {
    QSignalSpy clicks(&chart, &WageChart::clicked);
    QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(3, 150));  // empty chart, a corner
    fillDefaultSplit();
    QTest::mouseClick(&chart, Qt::LeftButton, {}, insideSlice(0, 0.5));
    EXPECT_EQ(clicks.count(), 2);

    // Pressing on the chart and letting go outside it is no click.
    QTest::mousePress(&chart, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, QPoint(300, 10));
    EXPECT_EQ(clicks.count(), 2);
}

}  // namespace
