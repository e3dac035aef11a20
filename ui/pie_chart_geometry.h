#pragma once

#include <QLineF>
#include <QRect>
#include <QSize>
#include <span>
#include <vector>

// Where everything of the wage pie goes, worked out from the chart's size and the sizes of its
// texts alone, so that the painting code only draws what this returns.
namespace chart {

inline constexpr int BevelWidth = 1;
inline constexpr int ChartMargin = 4;  // between the bevel and the title or plotting area
inline constexpr int TitleGap = 3;     // between the title and the plotting area
inline constexpr int CalloutLength = 8;
inline constexpr int MarkPaddingX = 2;  // between a mark's border and its text
inline constexpr int MarkPaddingY = 1;
inline constexpr int MarkShadowWidth = 3;

struct PiePointInput {
    double value;
    QSize labelSize;  // the label's text extent in the mark font
};

struct PieSliceLayout {
    double startDegrees;  // counter-clockwise from 3 o'clock
    double endDegrees;
    bool wedgeDrawn;
    QLineF callout;  // from the rim outward to the mark
    QRect markBox;   // border included, shadow excluded

    double spanDegrees() const { return endDegrees - startDegrees; }
};

struct PieChartLayout {
    QRect titleBox;
    QRect pieBox;  // bounding box of the pie's ellipse
    std::vector<PieSliceLayout> slices;
};

PieChartLayout LayoutPieChart(QSize chartSize, QSize titleSize,
                              std::span<const PiePointInput> points);

// The size of a mark's box around a label of the given text extent.
QSize MarkBoxSize(QSize labelSize);

}  // namespace chart
