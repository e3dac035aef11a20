#include "app/window_font.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace cista {
namespace {

quint32 ReadBigEndian(const QByteArray& bytes, qsizetype at, int size) {
    quint32 value = 0;
    for (int i = 0; i < size; ++i) value = value << 8 | static_cast<quint8>(bytes[at + i]);
    return value;
}

}  // namespace

QByteArray WithWindowsLineMetrics(QByteArray font) {
    constexpr qsizetype DirectorySize = 12, RecordSize = 16;
    constexpr qsizetype FsSelectionOffset = 62;  // within the OS/2 table
    constexpr quint8 UseTypoMetricsBit = 0x80;   // bit 7, in the low byte of fsSelection
    if (font.size() < DirectorySize) return font;
    const quint32 tableCount = ReadBigEndian(font, 4, 2);
    for (quint32 i = 0; i < tableCount; ++i) {
        const qsizetype record = DirectorySize + i * RecordSize;
        if (record + RecordSize > font.size()) break;
        const QByteArray tag = font.mid(record, 4);
        if (tag == "EBLC") {
            // Hide the bitmap strikes' index: a strike brings its own, tighter line metrics.
            font[record] = 'x';
            continue;
        }
        if (tag != "OS/2") continue;
        const qsizetype table = ReadBigEndian(font, record + 8, 4);
        const qsizetype length = ReadBigEndian(font, record + 12, 4);
        if (length < FsSelectionOffset + 2 || table + FsSelectionOffset + 2 > font.size()) continue;
        font[table + FsSelectionOffset + 1] =
            static_cast<char>(font[table + FsSelectionOffset + 1] & ~UseTypoMetricsBit);
    }
    return font;
}

void EnsureTahoma() {
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) return;
    // Only the regular face: Wine's bold face looks hardly heavier at 8 points, while Qt's
    // emboldened regular face reads as clearly bold.
    QFile regular(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
    if (!regular.open(QIODevice::ReadOnly)) return;
    QFontDatabase::addApplicationFontFromData(WithWindowsLineMetrics(regular.readAll()));
}

}  // namespace cista
