#include "ui/credit_cells.h"

#include <algorithm>

QColor inkOf(credit_banner::PassColour colour, const QColor& windowText) {
    return colour.red ? QColor(*colour.red, 0, 0) : windowText;
}

void CreditCells::draw(const CreditCell& cell) {
    // A cell hidden entirely under the new one can never show again.
    std::erase_if(cells_, [&](const CreditCell& old) { return cell.rect.contains(old.rect); });
    cells_.push_back(cell);
    drawnSinceLastPaint_ += cell.rect;
}

void CreditCells::beginPaint(const QRegion& region) {
    const QRegion repaintedForOtherReasons = region.subtracted(drawnSinceLastPaint_);
    std::erase_if(cells_, [&](const CreditCell& cell) {
        return repaintedForOtherReasons.intersects(cell.rect);
    });
    drawnSinceLastPaint_ -= region;
}

void CreditCells::wipeAtNextPaint() { drawnSinceLastPaint_ = QRegion(); }
