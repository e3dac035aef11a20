#include "app/window_font.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>

namespace {

// A table directory with one OS/2 table whose fsSelection is `fsSelection`.
QByteArray FontWithOs2(quint16 fsSelection) {
    QByteArray font(12 + 16 + 78, '\0');
    font[5] = 1;  // one table
    font.replace(12, 4, "OS/2");
    font[12 + 11] = 28;  // the table starts right after the directory
    font[12 + 15] = 78;
    font[28 + 62] = static_cast<char>(fsSelection >> 8);
    font[28 + 63] = static_cast<char>(fsSelection & 0xFF);
    return font;
}

TEST(WindowFontTest, ClearsOnlyTheTypographicMetricsFlag) {
    const QByteArray patched = cista::WithWindowsLineMetrics(FontWithOs2(0x01C0));
    EXPECT_EQ(patched, FontWithOs2(0x0140));
}

TEST(WindowFontTest, HidesTheBitmapStrikeIndex) {
    QByteArray strikes = FontWithOs2(0x0040);
    strikes.replace(12, 4, "EBLC");
    QByteArray hidden = strikes;
    hidden[12] = 'x';
    EXPECT_EQ(cista::WithWindowsLineMetrics(strikes), hidden);
}

TEST(WindowFontTest, LeavesOtherBytesAlone) {
    const QByteArray unflagged = FontWithOs2(0x0040);
    EXPECT_EQ(cista::WithWindowsLineMetrics(unflagged), unflagged);
    QByteArray noOs2 = FontWithOs2(0x00C0);
    noOs2.replace(12, 4, "head");
    EXPECT_EQ(cista::WithWindowsLineMetrics(noOs2), noOs2);
    const QByteArray truncated = FontWithOs2(0x00C0).left(40);
    EXPECT_EQ(cista::WithWindowsLineMetrics(truncated), truncated);
    EXPECT_EQ(cista::WithWindowsLineMetrics("OS/2"), QByteArray("OS/2"));
}

TEST(WindowFontTest, TahomaLinesLeaveRoomForCzechAccents) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    if (QFontInfo(font).family() != QStringLiteral("Tahoma")) GTEST_SKIP() << "no Tahoma here";
    // As on Windows: an ascent of 11 and a descent of 2 pixels at 8 points.
    EXPECT_EQ(QFontMetrics(font).lineSpacing(), 13);
}

}  // namespace
