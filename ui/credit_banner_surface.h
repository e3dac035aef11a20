#pragma once

#include <QWidget>

#include "ui/credit_banner.h"
#include "ui/credit_cells.h"

// The window's own surface as the credit line sees it: a mouse-transparent layer under all of the
// window's controls, as large as its client area, that shows the characters drawn on it until the
// window repaints there. It also keeps the drawing attributes that last from one tick to the
// next: the colour of the current pass and the generator of the next shade of red.
class CreditBannerSurface : public QWidget {
    Q_OBJECT

public:
    explicit CreditBannerSurface(QWidget* window);

    credit_banner::PassColour passColour() const { return passColour_; }
    const credit_banner::RandomByteSource& randomByte() const { return randomByte_; }
    // Lets tests choose the shades of red.
    void setRandomByteSource(credit_banner::RandomByteSource source);

    // Draws the step's character opaque in the window's background colour, in "Courier New" at
    // the size and style of `windowFont`, and updates only its cell. A character that cannot be
    // seen (window hidden or minimised) is not kept.
    void draw(const credit_banner::Step& step, const QFont& windowFont);

    const CreditCells& cells() const { return cells_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    credit_banner::PassColour passColour_;
    credit_banner::RandomByteSource randomByte_;
    CreditCells cells_;
};
