#include "ui/wage_chart.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <vector>

#include "ui/pie_chart_series.h"

namespace {

const QColor TitleColour = Qt::blue;
const QColor CalloutColour = Qt::white;
const QColor MarkShadowColour(0x80, 0x80, 0x80);

// The title and the marks use 8-point "Arial", that is 11 pixels at 96 dots per inch.
QFont ChartFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QSize TextExtent(const QFontMetrics& metrics, const QString& text) {
    return {metrics.horizontalAdvance(text), metrics.height()};
}

// QPainter paints a rectangle's outline one pixel beyond its right and bottom edges.
QRect OutlineOf(const QRect& box) { return box.adjusted(0, 0, -1, -1); }

}  // namespace

WageChart::WageChart(QWidget* parent) : QWidget(parent), series_(new PieSeries(this)) {
    setFont(ChartFont());
    connect(series_, &PieSeries::changed, this, qOverload<>(&QWidget::update));
}

void WageChart::setTitle(const QString& title) {
    title_ = title;
    update();
}

chart::PieChartLayout WageChart::currentLayout() const {
    const QFontMetrics metrics(font());
    std::vector<chart::PiePointInput> inputs;
    for (const PieSeries::Point& point : series_->points())
        inputs.push_back({point.value, TextExtent(metrics, point.label)});
    return chart::LayoutPieChart(size(), TextExtent(metrics, title_), inputs);
}

void WageChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const chart::PieChartLayout layout = currentLayout();
    paintFrame(painter);
    painter.setPen(TitleColour);
    painter.drawText(layout.titleBox, Qt::AlignCenter, title_);
    paintSlices(painter, layout);
    paintMarks(painter, layout);
}

// The button-face background with a raised bevel one pixel wide.
void WageChart::paintFrame(QPainter& painter) const {
    const QRect all = rect();
    painter.fillRect(all, palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(all.topLeft(), all.topRight());
    painter.drawLine(all.topLeft(), all.bottomLeft());
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(all.bottomLeft(), all.bottomRight());
    painter.drawLine(all.topRight(), all.bottomRight());
}

void WageChart::paintSlices(QPainter& painter, const chart::PieChartLayout& layout) const {
    painter.setPen(QPen(Qt::black, 1));
    for (std::size_t i = 0; i < layout.slices.size(); ++i) {
        const chart::PieSliceLayout& slice = layout.slices[i];
        if (!slice.wedgeDrawn) continue;
        painter.setBrush(series_->sliceColor(i));
        if (slice.spanDegrees() >= 360.0) {
            painter.drawEllipse(layout.pieBox);
        } else {
            // QPainter takes angles in sixteenths of a degree.
            painter.drawPie(layout.pieBox, qRound(slice.startDegrees * 16),
                            qRound(slice.spanDegrees() * 16));
        }
    }
    painter.setPen(QPen(CalloutColour, 1));
    for (const chart::PieSliceLayout& slice : layout.slices) painter.drawLine(slice.callout);
}

void WageChart::paintMarks(QPainter& painter, const chart::PieChartLayout& layout) const {
    const std::vector<PieSeries::Point>& points = series_->points();
    for (std::size_t i = 0; i < layout.slices.size(); ++i) {
        const QRect& box = layout.slices[i].markBox;
        painter.fillRect(box.translated(chart::MarkShadowWidth, chart::MarkShadowWidth),
                         MarkShadowColour);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(palette().color(QPalette::ToolTipBase));
        painter.drawRect(OutlineOf(box));
        painter.drawText(box, Qt::AlignCenter, points[i].label);
    }
}

void WageChart::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
    event->accept();
}

void WageChart::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = event->button() == Qt::LeftButton && pressed_;
    if (event->button() == Qt::LeftButton) pressed_ = false;
    event->accept();
    if (click && rect().contains(event->position().toPoint())) emit clicked();
}
