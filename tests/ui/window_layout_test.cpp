#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QToolTip>
#include <vector>

#include "ui/window_fixture.h"

namespace {

struct ControlRow {
    const char* name;
    int left, top, width, height;  // a label's size is fitted to its caption
    const char* text;
    bool bold;
    bool readOnly;
    const char* tooltip;
};

constexpr const char* ResultHint =
    "Po stisku tlačítka \"Výpočet\" zde obdržíte údaje související se mzdou";
constexpr const char* InputHint = "Zadejte vstupní parametry";
constexpr int Fitted = -1;

// The window after FormCreate: buttons and panel check boxes moved to their run-time rows.
const ControlRow Controls[] = {
    {"Label1", 8, 7, Fitted, Fitted, "Hrubá mzda", false, false, ""},
    {"Label2", 8, 53, Fitted, Fitted, "Počet dětí pro daňové úlevy", false, false, ""},
    {"Label16", 192, 56, Fitted, Fitted, "Výše ůlevy na dítě", false, false, ""},
    {"Label7", 8, 156, Fitted, Fitted, "Super hrubá mzda", false, false, ""},
    {"Label5", 8, 202, Fitted, Fitted, "Základ daně", false, false, ""},
    {"Label4", 8, 248, Fitted, Fitted, "Daň bez slev", false, false, ""},
    {"Label6", 8, 294, Fitted, Fitted, "Daň se slevami", false, false, ""},
    {"Label3", 8, 355, Fitted, Fitted, "Zaměstnanec", true, false, ""},
    {"Label8", 8, 376, Fitted, Fitted, "Sociální pojištění", false, false, ""},
    {"Label9", 8, 424, Fitted, Fitted, "Zdravotní pojištění", false, false, ""},
    {"Label10", 8, 472, Fitted, Fitted, "Čistá mzda", false, false, ""},
    {"Label11", 168, 355, Fitted, Fitted, "Zaměstnavatel", true, false, ""},
    {"Label12", 168, 376, Fitted, Fitted, "Sociální pojištění", false, false, ""},
    {"Label13", 168, 424, Fitted, Fitted, "Zdravotní pojištění", false, false, ""},
    {"Label15", 172, 469, Fitted, Fitted, "Náklady zaměstnavatele", false, false, ""},
    {"Label14", 35, 531, Fitted, Fitted, "Odvod státu", true, false, ""},
    {"Edit1", 8, 26, 121, 21, "10000", false, false, InputHint},
    {"Edit2", 8, 72, 121, 21, "1", false, false, InputHint},
    {"Edit14", 192, 72, 88, 21, "1117", false, false, ""},
    {"CheckBox3", 8, 107, 201, 17, "Manželka s příjmem < 68000 Kč/rok", false, false, ""},
    {"Edit3", 8, 175, 98, 21, "", false, true, ResultHint},
    {"Edit4", 8, 221, 98, 21, "", false, true, ResultHint},
    {"Edit5", 8, 267, 98, 21, "", false, true, ResultHint},
    {"Edit6", 8, 313, 98, 21, "", false, true, ResultHint},
    {"Edit7", 8, 393, 121, 21, "", false, true, ResultHint},
    {"Edit8", 8, 440, 121, 21, "", false, true, ResultHint},
    {"Edit9", 8, 488, 121, 21, "", true, true, ResultHint},
    {"Edit10", 168, 393, 121, 21, "", false, true, ResultHint},
    {"Edit11", 168, 440, 121, 21, "", false, true, ResultHint},
    {"Edit12", 168, 488, 121, 21, "", false, true, ResultHint},
    {"Edit13", 168, 528, 121, 21, "", true, true, ResultHint},
    {"Button1", 304, 526, 75, 25, "Výpočet", false, false, "Po stisku bude proveden výpočet"},
    {"CheckBox1", 392, 530, 169, 17, "Zobrazit fragmenty programu", false, false,
     "Po zatržení budou zobrazovány odpovídající fragmenty programu"},
    {"CheckBox2", 584, 530, 97, 17, "Celý program", false, false,
     "Po zatržení se zobrazí celé jádro programu"},
    {"Button2", 709, 526, 75, 25, "Zadání", false, false, "Po stisku se zobrazí zadání"},
    {"Memo1", 304, 8, 481, 505, nullptr, false, false, ""},
};

QString TextOf(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    return {};
}

using WindowLayoutTest = WindowTest;

TEST_F(WindowLayoutTest, EveryControlHasItsPlaceTextFontAndTooltip) {
    for (const ControlRow& row : Controls) {
        SCOPED_TRACE(row.name);
        const auto* control = form_->findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->pos(), QPoint(row.left, row.top));
        const QSize size = row.width == Fitted ? control->sizeHint() : QSize(row.width, row.height);
        EXPECT_EQ(control->size(), size);
        if (row.text) {
            EXPECT_EQ(TextOf(control), QString::fromUtf8(row.text));
        }
        EXPECT_EQ(control->font().bold(), row.bold);
        EXPECT_EQ(control->font().pixelSize(), 11);
        if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
            EXPECT_EQ(edit->isReadOnly(), row.readOnly);
        }
        EXPECT_EQ(control->toolTip(), QString::fromUtf8(row.tooltip));
    }
}

TEST_F(WindowLayoutTest, TabVisitsTheFocusableControlsInDesignOrder) {
    const QStringList expected{"Edit1",     "Edit2",     "Edit3",     "Edit7",  "Button2",
                               "CheckBox1", "CheckBox2", "CheckBox3", "Edit4",  "Edit5",
                               "Edit6",     "Edit8",     "Edit9",     "Edit10", "Edit11",
                               "Memo1",     "Button1",   "Edit12",    "Edit13", "Edit14"};
    QStringList visited;
    QWidget* control = form_->Edit1;
    do {
        if (control->focusPolicy() & Qt::TabFocus) visited << control->objectName();
        control = control->nextInFocusChain();
    } while (control != form_->Edit1 && visited.size() <= expected.size());
    EXPECT_EQ(visited, expected);
}

TEST_F(WindowLayoutTest, ResultFieldsTakeTheirColours) {
    const std::pair<QLineEdit*, QColor> colours[] = {
        {form_->Edit3, QColor(0xF0FFFF)},  {form_->Edit6, QColor(0xF0FFFF)},
        {form_->Edit7, QColor(0xE6FFFF)},  {form_->Edit9, QColor(0xE6FFFF)},
        {form_->Edit10, QColor(0xE6EBFF)}, {form_->Edit12, QColor(0xE6EBFF)},
        {form_->Edit13, QColor(0xD7EBEB)}};
    for (const auto& [field, colour] : colours) {
        EXPECT_EQ(field->palette().color(QPalette::Base), colour)
            << field->objectName().toStdString();
    }
    EXPECT_EQ(form_->Edit13->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(form_->Label14->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(WindowLayoutTest, WindowHasItsCaptionSizeAndTooltipTiming) {
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("Výpočet čisté mzdy"));
    EXPECT_EQ(form_->OuterSize(), QSize(800, 600));
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
    EXPECT_EQ(form_->Edit13->toolTipDuration(), 2500);
    EXPECT_EQ(form_->Edit14->toolTipDuration(), -1);
    EXPECT_FALSE(QApplication::windowIcon().availableSizes().isEmpty());
}

TEST_F(WindowLayoutTest, RestingOnAControlShowsItsTooltipOnlyWhereSwitchedOn) {
    // What the application sends once the pointer has rested on a control.
    const auto rest = [](QWidget* control) {
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), control->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(control, &help);
        return help.isAccepted();
    };
    EXPECT_FALSE(rest(form_->Edit14));
    EXPECT_FALSE(rest(form_->CheckBox3));
    EXPECT_FALSE(rest(form_->Label1));
    EXPECT_FALSE(QToolTip::isVisible());
    EXPECT_TRUE(rest(form_->Edit13));
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8(ResultHint));
    QToolTip::hideText();
}

TEST_F(WindowLayoutTest, ResizingMovesNoControl) {
    const QRect before = form_->Memo1->geometry();
    form_->resize(1200, 900);
    EXPECT_EQ(form_->Memo1->geometry(), before);
    EXPECT_EQ(form_->Edit13->geometry(), QRect(168, 528, 121, 21));
}

TEST_F(WindowLayoutTest, FieldsAndButtonsCarryTheirCaptionsForScreenReaders) {
    struct AccessibleName {
        QWidget* control;
        const char* name;
    };
    const AccessibleName names[] = {
        {form_->Edit1, "Hrubá mzda"},
        {form_->Edit2, "Počet dětí pro daňové úlevy"},
        {form_->Edit14, "Výše ůlevy na dítě"},
        {form_->Edit3, "Super hrubá mzda"},
        {form_->Edit6, "Daň se slevami"},
        {form_->Edit7, "Sociální pojištění – Zaměstnanec"},
        {form_->Edit9, "Čistá mzda – Zaměstnanec"},
        {form_->Edit11, "Zdravotní pojištění – Zaměstnavatel"},
        {form_->Edit12, "Náklady zaměstnavatele – Zaměstnavatel"},
        {form_->Edit13, "Odvod státu"},
        {form_->Button1, "Výpočet"},
        {form_->CheckBox3, "Manželka s příjmem < 68000 Kč/rok"},
    };
    for (const auto& [control, name] : names) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(name));
    }
}

}  // namespace
