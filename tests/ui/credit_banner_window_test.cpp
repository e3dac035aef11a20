#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QTimer>
#include <array>

#include "app/error_box.h"
#include "ui/credit_banner.h"
#include "ui/credit_banner_surface.h"
#include "ui/window_fixture.h"

namespace {

using credit_banner::kCreditText;
using credit_banner::kLength;

class CreditBannerWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        surface_ = form_->findChild<CreditBannerSurface*>();
        ASSERT_NE(surface_, nullptr);
        // Each test types the line from its start, as the program does.
        CreditIndex = 0;
    }

    void Tick(int times) const {
        for (int i = 0; i < times; ++i) form_->Timer1Timer(form_->Timer1);
    }

    QPoint PlaceOf(int index) const {
        const QSize outer = form_->OuterSize();
        return {outer.width() / 2 - 150 + 14 * index, outer.height() - 48};
    }

    // The cell last drawn at the line's position `index` for the window's present size.
    const CreditCell* CellAt(int index) const {
        const CreditCell* found = nullptr;
        for (const CreditCell& cell : surface_->cells().cells()) {
            if (cell.rect.topLeft() == PlaceOf(index)) found = &cell;
        }
        return found;
    }

    CreditBannerSurface* surface_ = nullptr;
};

TEST_F(CreditBannerWindowTest, TimerRunsEveryTenthOfASecondFromTheStart) {
    EXPECT_TRUE(form_->Timer1->isActive());
    EXPECT_EQ(form_->Timer1->interval(), 100);
}

TEST_F(CreditBannerWindowTest, FirstPassIsInTheWindowTextColourAndAMonospacedFace) {
    Tick(kLength);

    EXPECT_EQ(CreditIndex, kLength);
    for (int index = 1; index <= kLength; ++index) {
        SCOPED_TRACE(index);
        const CreditCell* cell = CellAt(index);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->character, QChar(kCreditText[index - 1]));
        EXPECT_EQ(cell->ink, form_->palette().color(QPalette::WindowText));
        EXPECT_EQ(cell->background, form_->palette().color(QPalette::Window));
        EXPECT_EQ(cell->font.families(), QStringList{QStringLiteral("Courier New")});
        EXPECT_EQ(cell->font.pixelSize(), form_->font().pixelSize());
        EXPECT_EQ(cell->font.weight(), form_->font().weight());
        EXPECT_TRUE(QFontInfo(cell->font).fixedPitch());
    }
}

TEST_F(CreditBannerWindowTest, FortyFiveTicksLeaveTheThirdPassAtItsFifthCharacter) {
    surface_->setRandomByteSource(
        [shades = std::array{40, 200}, next = size_t{0}]() mutable { return shades.at(next++); });

    Tick(45);

    EXPECT_EQ(CreditIndex, 5);
    for (int index = 1; index <= kLength; ++index) {
        SCOPED_TRACE(index);
        const CreditCell* cell = CellAt(index);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->character, QChar(kCreditText[index - 1]));
        EXPECT_EQ(cell->ink, index <= 5 ? QColor(200, 0, 0) : QColor(40, 0, 0));
    }
    // Each position keeps only its latest character.
    EXPECT_EQ(surface_->cells().cells().size(), static_cast<size_t>(kLength));
}

TEST_F(CreditBannerWindowTest, ResizeWipesTheLineWhichThenBuildsUpAtItsNewPlace) {
    Tick(kLength);
    const int oldTop = PlaceOf(1).y();

    form_->resize(form_->width() + 100, form_->height() + 80);
    QApplication::processEvents();

    for (const CreditCell& cell : surface_->cells().cells()) {
        EXPECT_NE(cell.rect.top(), oldTop) << "a character outlived the repaint";
    }
    const int next = CreditIndex % kLength + 1;
    Tick(1);
    const CreditCell* cell = CellAt(next);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->character, QChar(kCreditText[next - 1]));
}

TEST_F(CreditBannerWindowTest, UnseenTicksKeepNoCharacterButMoveTheLineOn) {
    const std::array<std::pair<const char*, void (*)(QWidget*)>, 2> waysOutOfSight{{
        {"hidden", [](QWidget* window) { window->hide(); }},
        {"minimised", [](QWidget* window) { window->setWindowState(Qt::WindowMinimized); }},
    }};
    surface_->setRandomByteSource([] { return 77; });
    const QColor unseenShade(77, 0, 0);
    for (const auto& [way, putOutOfSight] : waysOutOfSight) {
        SCOPED_TRACE(way);
        form_->showNormal();
        CreditIndex = kLength;
        putOutOfSight(form_.get());

        Tick(3);

        EXPECT_EQ(CreditIndex, 3);
        EXPECT_EQ(surface_->passColour(), credit_banner::PassColour{77});
        for (const CreditCell& cell : surface_->cells().cells()) EXPECT_NE(cell.ink, unseenShade);
    }
}

TEST_F(CreditBannerWindowTest, TicksGoOnWhileAnErrorBoxIsOpen) {
    AllowModalDialogs();
    const cista::ErrorReporter recorder = cista::SetErrorReporter({});  // the real box
    constexpr int kTicksWanted = 3;
    QString boxText;
    int ticksSeen = 0;
    int indexAtOpen = -1;
    int indexAtLastTick = -1;
    QObject guard;

    // Runs inside the box's own event loop; the timer's real ticks close the box.
    QTimer::singleShot(0, &guard, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        boxText = box->text();
        indexAtOpen = CreditIndex;
        QObject::connect(form_->Timer1, &QTimer::timeout, box, [&, box] {
            if (++ticksSeen < kTicksWanted) return;
            indexAtLastTick = CreditIndex;
            box->accept();
        });
    });
    // Should the ticks stop, the box must not stay open for ever.
    QTimer::singleShot(10000, &guard, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });

    cista::ReportError(QStringLiteral("Chyba"));
    cista::SetErrorReporter(recorder);

    EXPECT_EQ(boxText, QStringLiteral("Chyba."));
    ASSERT_EQ(ticksSeen, kTicksWanted);
    EXPECT_EQ((indexAtLastTick - indexAtOpen + kLength) % kLength, kTicksWanted);
}

}  // namespace
