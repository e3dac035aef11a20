#include "ui/credit_cells.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

CreditCell cellAt(int x, char16_t character, QColor ink = Qt::black) {
    return CreditCell{.rect = QRect(x, 552, 7, 14),
                      .character = QChar(character),
                      .ink = ink,
                      .background = QColor(240, 240, 240),
                      .font = QFont()};
}

QString charactersOf(const CreditCells& cells) {
    QString text;
    for (const CreditCell& cell : cells.cells()) text += cell.character;
    return text;
}

TEST(CreditCells, PaintOfFreshlyDrawnCellsKeepsThem) {
    CreditCells cells;
    cells.draw(cellAt(264, u'D'));
    cells.beginPaint(QRegion(264, 552, 7, 14));
    cells.draw(cellAt(278, u'í'));
    cells.beginPaint(QRegion(278, 552, 7, 14));
    EXPECT_EQ(charactersOf(cells), u"Dí");
}

TEST(CreditCells, DrawingsMergedIntoOnePaintSurviveTogether) {
    CreditCells cells;
    cells.draw(cellAt(264, u'D'));
    cells.draw(cellAt(278, u'í'));
    cells.draw(cellAt(292, u'l'));
    // The window may merge the pending cells into their bounding rectangle.
    cells.beginPaint(QRegion(264, 552, 292 + 7 - 264, 14));
    EXPECT_EQ(charactersOf(cells), u"Díl");
}

TEST(CreditCells, RepaintForOtherReasonsWipesTheCellsItTouches) {
    CreditCells cells;
    cells.draw(cellAt(264, u'D'));
    cells.draw(cellAt(278, u'í'));
    cells.draw(cellAt(292, u'l'));
    cells.beginPaint(QRegion(264, 552, 300, 14));
    // Something else uncovers the middle character only.
    cells.beginPaint(QRegion(280, 560, 2, 2));
    EXPECT_EQ(charactersOf(cells), u"Dl");
    // A full repaint, as after a resize, wipes the rest.
    cells.beginPaint(QRegion(0, 0, 800, 600));
    EXPECT_TRUE(cells.cells().empty());
}

TEST(CreditCells, CharacterDrawnAfterTheWipeSurvivesIt) {
    CreditCells cells;
    cells.draw(cellAt(264, u'D'));
    cells.beginPaint(QRegion(264, 552, 7, 14));
    cells.draw(cellAt(278, u'í'));
    cells.beginPaint(QRegion(0, 0, 800, 600));
    EXPECT_EQ(charactersOf(cells), u"í");
}

TEST(CreditCells, ResizeWipesEvenCellsWhosePaintIsStillToCome) {
    CreditCells cells;
    cells.draw(cellAt(264, u'D'));
    cells.wipeAtNextPaint();
    cells.beginPaint(QRegion(0, 0, 900, 700));
    EXPECT_TRUE(cells.cells().empty());
}

TEST(CreditCells, NextPassReplacesTheCellInItsColour) {
    CreditCells cells;
    cells.draw(cellAt(264, u'D', Qt::black));
    cells.draw(cellAt(278, u'í', Qt::black));
    cells.draw(cellAt(264, u'D', QColor(77, 0, 0)));
    ASSERT_EQ(cells.cells().size(), 2u);
    EXPECT_EQ(charactersOf(cells), u"íD");
    EXPECT_EQ(cells.cells().back().ink, QColor(77, 0, 0));
}

TEST(CreditCells, PartlyCoveredOldCellStaysUnderTheNewOne) {
    CreditCells cells;
    cells.draw(cellAt(264, u'D'));
    cells.draw(cellAt(268, u'x'));
    EXPECT_EQ(charactersOf(cells), u"Dx");
}

}  // namespace
