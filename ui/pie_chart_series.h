#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <vector>

// The chart's one pie series: the points it shows, in the order they were added.
class PieSeries : public QObject {
    Q_OBJECT

public:
    // A point added with this colour takes the palette's colour at its position.
    static inline const QColor AutoColor{};

    struct Point {
        double value;
        QString label;
        QColor color;
    };

    explicit PieSeries(QObject* parent = nullptr);

    void clear();
    void append(double value, const QString& label, const QColor& color = AutoColor);

    const std::vector<Point>& points() const { return points_; }

    // The colour the point at `index` is painted in.
    QColor sliceColor(std::size_t index) const;

signals:
    // Emitted on every change; the chart answers with a scheduled, not an immediate, repaint.
    void changed();

private:
    std::vector<Point> points_;
};
