#include "ui/pie_chart_geometry.h"

#include <QPointF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace chart {
namespace {

constexpr double FullCircle = 360.0;
constexpr double OneRadianInDegrees = 180.0 / std::numbers::pi;

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// The outward direction at an angle, in screen coordinates (y grows downwards).
QPointF Direction(double degrees) {
    return {std::cos(Radians(degrees)), -std::sin(Radians(degrees))};
}

struct Ellipse {
    QPointF centre;
    double radiusX, radiusY;

    QPointF rimPoint(double degrees) const {
        const QPointF d = Direction(degrees);
        return {centre.x() + radiusX * d.x(), centre.y() + radiusY * d.y()};
    }
};

QPoint PixelOf(QPointF p) {
    return {static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y()))};
}

// The angles where the slices meet, in point order: slice i runs from boundary i to i + 1. The
// last one is exactly a full circle, and a zero total leaves the whole circle to the first slice.
std::vector<double> SliceBoundaries(std::span<const PiePointInput> points) {
    double total = 0;
    for (const PiePointInput& p : points) total += std::abs(p.value);

    std::vector<double> boundaries{0.0};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double span = total > 0 ? FullCircle * std::abs(points[i].value) / total
                                      : (i == 0 ? FullCircle : 0.0);
        boundaries.push_back(boundaries.back() + span);
    }
    boundaries.back() = FullCircle;
    return boundaries;
}

QRect PieBox(QRect plotArea, std::span<const PiePointInput> points) {
    QSize largestMark(0, 0);
    for (const PiePointInput& p : points)
        largestMark = largestMark.expandedTo(MarkBoxSize(p.labelSize));
    const int roomX = CalloutLength + largestMark.width() + MarkShadowWidth;
    const int roomY = CalloutLength + largestMark.height() + MarkShadowWidth;
    QRect box = plotArea.adjusted(roomX, roomY, -roomX, -roomY);
    if (box.width() <= 0 || box.height() <= 0) return QRect(plotArea.center(), QSize(0, 0));
    // Even sides put the centre and the rim's ends on whole coordinates, so a rim point on an axis
    // never lies halfway between two pixels, where the slightest angle would change its pixel.
    box.setWidth(box.width() - box.width() % 2);
    box.setHeight(box.height() - box.height() % 2);
    return box;
}

// The box stands beyond the callout's end, touching it with the side or corner that faces the
// pie, so it moves smoothly round the pie as the angle changes.
QRect MarkBoxAt(QPointF calloutEnd, double degrees, QSize size) {
    const QPointF d = Direction(degrees);
    const double reach = std::max(std::abs(d.x()), std::abs(d.y()));
    const QPointF boxCentre(calloutEnd.x() + size.width() / 2.0 * d.x() / reach,
                            calloutEnd.y() + size.height() / 2.0 * d.y() / reach);
    const QPoint topLeft(static_cast<int>(std::lround(boxCentre.x() - size.width() / 2.0)),
                         static_cast<int>(std::lround(boxCentre.y() - size.height() / 2.0)));
    return QRect(topLeft, size);
}

// A later mark that overlaps an earlier one moves vertically by the overlap, the moves adding up.
void SeparateMarks(std::vector<PieSliceLayout>& slices) {
    for (std::size_t i = 0; i < slices.size(); ++i) {
        PieSliceLayout& mark = slices[i];
        for (std::size_t j = 0; j < i; ++j) {
            const QRect& earlier = slices[j].markBox;
            if (!mark.markBox.intersects(earlier)) continue;
            const int overlap = mark.markBox.intersected(earlier).height();
            const int shift = mark.markBox.top() < earlier.top() ? -overlap : overlap;
            mark.markBox.translate(0, shift);
            mark.callout.setP2(mark.callout.p2() + QPointF(0, shift));
        }
    }
}

}  // namespace

QSize MarkBoxSize(QSize labelSize) {
    return labelSize + QSize(2 * (MarkPaddingX + 1), 2 * (MarkPaddingY + 1));
}

PieChartLayout LayoutPieChart(QSize chartSize, QSize titleSize,
                              std::span<const PiePointInput> points) {
    PieChartLayout layout;
    const QRect inner = QRect(QPoint(0, 0), chartSize)
                            .adjusted(BevelWidth + ChartMargin, BevelWidth + ChartMargin,
                                      -(BevelWidth + ChartMargin), -(BevelWidth + ChartMargin));
    layout.titleBox =
        QRect(QPoint((chartSize.width() - titleSize.width()) / 2, inner.top()), titleSize);
    QRect plotArea = inner;
    plotArea.setTop(layout.titleBox.bottom() + 1 + TitleGap);
    layout.pieBox = PieBox(plotArea, points);

    const Ellipse ellipse{QRectF(layout.pieBox).center(), layout.pieBox.width() / 2.0,
                          layout.pieBox.height() / 2.0};
    const std::vector<double> boundaries = SliceBoundaries(points);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double start = boundaries[i], end = boundaries[i + 1];
        const bool drawn = end - start > OneRadianInDegrees ||
                           PixelOf(ellipse.rimPoint(start)) != PixelOf(ellipse.rimPoint(end));
        const double middle = (start + end) / 2;
        const QPointF rim = ellipse.rimPoint(middle);
        const QLineF callout(rim, rim + CalloutLength * Direction(middle));
        layout.slices.push_back(
            {start, end, drawn, callout,
             MarkBoxAt(callout.p2(), middle, MarkBoxSize(points[i].labelSize))});
    }
    SeparateMarks(layout.slices);
    return layout;
}

}  // namespace chart
