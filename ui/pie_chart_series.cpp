#include "ui/pie_chart_series.h"

#include <array>

namespace {

// The wage uses the first four; the rest only matter to a series with more points.
const std::array<QColor, 12> Palette{
    QColor(0x44, 0x66, 0xA3), QColor(0xF3, 0x9C, 0x35), QColor(0xF1, 0x4C, 0x14),
    QColor(0x4E, 0x97, 0xA8), QColor(0x2B, 0x40, 0x6B), QColor(0x1D, 0x7B, 0x63),
    QColor(0xB3, 0x08, 0x0E), QColor(0xF2, 0xC0, 0x35), QColor(0xF8, 0x0E, 0x42),
    QColor(0x6B, 0x80, 0xB2), QColor(0x9C, 0xC4, 0x7F), QColor(0x8C, 0x5A, 0x9E)};

}  // namespace

PieSeries::PieSeries(QObject* parent) : QObject(parent) {}

void PieSeries::clear() {
    points_.clear();
    emit changed();
}

void PieSeries::append(double value, const QString& label, const QColor& color) {
    points_.push_back({value, label, color});
    emit changed();
}

QColor PieSeries::sliceColor(std::size_t index) const {
    const QColor& own = points_.at(index).color;
    return own.isValid() ? own : Palette[index % Palette.size()];
}
