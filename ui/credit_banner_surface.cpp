#include "ui/credit_banner_surface.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <utility>

CreditBannerSurface::CreditBannerSurface(QWidget* window)
    : QWidget(window), randomByte_(credit_banner::ClockSeededRandomByte{}) {
    setObjectName(QStringLiteral("CreditBannerSurface"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(window->rect());
    lower();
    window->installEventFilter(this);
}

void CreditBannerSurface::setRandomByteSource(credit_banner::RandomByteSource source) {
    randomByte_ = std::move(source);
}

void CreditBannerSurface::draw(const credit_banner::Step& step, const QFont& windowFont) {
    passColour_ = step.colour;
    if (!isVisible() || window()->isMinimized()) return;

    QFont font = windowFont;
    font.setFamilies({QStringLiteral("Courier New")});
    const QChar character(step.character);
    const QFontMetrics metrics(font);
    const QColor ink = inkOf(step.colour, parentWidget()->palette().color(QPalette::WindowText));
    const CreditCell cell{
        .rect = QRect(step.x, step.y, metrics.horizontalAdvance(character), metrics.height()),
        .character = character,
        .ink = ink,
        .background = parentWidget()->palette().color(QPalette::Window),
        .font = font,
    };
    cells_.draw(cell);
    update(cell.rect);
}

bool CreditBannerSurface::eventFilter(QObject* watched, QEvent* event) {
    // The layer follows the window's client area, and a resize repaints all of it.
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        cells_.wipeAtNextPaint();
        setGeometry(parentWidget()->rect());
    }
    return QWidget::eventFilter(watched, event);
}

void CreditBannerSurface::paintEvent(QPaintEvent* event) {
    cells_.beginPaint(event->region());
    QPainter painter(this);
    for (const CreditCell& cell : cells_.cells()) {
        if (!event->region().intersects(cell.rect)) continue;
        painter.fillRect(cell.rect, cell.background);
        painter.setFont(cell.font);
        painter.setPen(cell.ink);
        painter.drawText(cell.rect.topLeft() + QPoint(0, QFontMetrics(cell.font).ascent()),
                         QString(cell.character));
    }
}
