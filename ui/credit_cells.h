#pragma once

#include <QChar>
#include <QColor>
#include <QFont>
#include <QRect>
#include <QRegion>
#include <vector>

#include "ui/credit_banner.h"

// The colour a pass draws in, given the window's text colour.
QColor inkOf(credit_banner::PassColour colour, const QColor& windowText);

// One character of the credit line as it was drawn: its opaque cell, glyph and colours.
struct CreditCell {
    QRect rect;
    QChar character;
    QColor ink;
    QColor background;
    QFont font;
};

// What the credit line has drawn and the window must go on showing. Qt paints only inside paint
// events, so a drawn character is remembered until the window repaints its cell for a reason of
// its own (a resize, a restore after minimising), which wipes it as it would wipe any drawing
// made straight onto the window.
class CreditCells {
public:
    // Records a freshly drawn character; it covers whatever was drawn before in its cell.
    void draw(const CreditCell& cell);

    // To be called as a paint over `region` begins: forgets every cell that the paint touches
    // other than where a character was drawn since the last paint.
    void beginPaint(const QRegion& region);

    // The window is about to repaint all of itself (it was resized): even the characters
    // whose own paint is still to come are drawn over.
    void wipeAtNextPaint();

    // In drawing order, so later cells paint over earlier ones.
    const std::vector<CreditCell>& cells() const { return cells_; }

private:
    std::vector<CreditCell> cells_;
    QRegion drawnSinceLastPaint_;
};
