#pragma once

#include <QString>
#include <QWidget>

#include "ui/pie_chart_geometry.h"

class PieSeries;

// A small flat pie chart with a title and a labelled mark for every point, drawn by hand.
// Changing the series only schedules a repaint, so a refill is never seen half done.
class WageChart : public QWidget {
    Q_OBJECT

public:
    explicit WageChart(QWidget* parent = nullptr);

    PieSeries* series() const { return series_; }

    QString title() const { return title_; }
    void setTitle(const QString& title);

    // Where the title, pie and marks go at the chart's current size and contents.
    chart::PieChartLayout currentLayout() const;

signals:
    // A mouse click anywhere on the chart, with or without slices.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintFrame(QPainter& painter) const;
    void paintSlices(QPainter& painter, const chart::PieChartLayout& layout) const;
    void paintMarks(QPainter& painter, const chart::PieChartLayout& layout) const;

    PieSeries* series_;
    QString title_;
    bool pressed_ = false;
};
