#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "ui/window_fixture.h"

namespace {

struct Keystroke {
    const char* field;
    const char* typed;  // UTF-8, one key event per character
    bool accepted;
};

class TypingTest : public WindowTest, public testing::WithParamInterface<Keystroke> {};

TEST_P(TypingTest, DigitsOnlyFieldsRefuseOtherCharacters) {
    const Keystroke& key = GetParam();
    auto* field = form_->findChild<QLineEdit*>(QString::fromLatin1(key.field));
    ASSERT_NE(field, nullptr);
    field->clear();
    Type(field, QString::fromUtf8(key.typed));
    EXPECT_EQ(field->text(), key.accepted ? QString::fromUtf8(key.typed) : QString());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypingTest,
    testing::Values(Keystroke{"Edit1", "0123456789", true}, Keystroke{"Edit1", "a", false},
                    Keystroke{"Edit1", "ž", false}, Keystroke{"Edit1", "-", false},
                    Keystroke{"Edit1", " ", false}, Keystroke{"Edit1", ",", false},
                    Keystroke{"Edit1", ".", false}, Keystroke{"Edit2", "7", true},
                    Keystroke{"Edit2", "x", false}, Keystroke{"Edit2", "-", false},
                    Keystroke{"Edit14", "a", true}, Keystroke{"Edit14", "ž", true},
                    Keystroke{"Edit14", "-", true}, Keystroke{"Edit14", " ", true},
                    Keystroke{"Edit14", ",", true}, Keystroke{"Edit14", "1e3", true}));

using KeyboardTest = WindowTest;

TEST_F(KeyboardTest, PastedTextReachesADigitsOnlyFieldUnfiltered) {
    QApplication::clipboard()->setText(QStringLiteral("-12,5 Kč"));
    form_->Edit1->clear();
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    QApplication::sendEvent(form_->Edit1, &paste);
    EXPECT_EQ(form_->Edit1->text(), QStringLiteral("-12,5 Kč"));
}

TEST_F(KeyboardTest, EnterAndEscapeInAFieldRunNothing) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(form_->Edit1, &press);
    }
    EXPECT_EQ(form_->Edit3->text(), QString());
    EXPECT_TRUE(form_->isVisible());
}

TEST_F(KeyboardTest, EnterOnTheFocusedCalculateButtonCalculates) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(form_->Button1, &press);
    EXPECT_EQ(form_->Edit13->text(), QStringLiteral("4501"));
}

}  // namespace
