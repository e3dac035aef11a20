#pragma once

#include <QByteArray>

namespace cista {

// Makes "Tahoma" available: Debian's fonts-wine ships it where fontconfig does not look, so it
// is registered with the application when the system lacks the family. Quiet when the file is
// missing too; Qt then substitutes a similar face.
void EnsureTahoma();

// A TrueType font's bytes made to take their line height from the ascent and descent that
// Windows uses as well: the "use typographic metrics" flag of the OS/2 table is cleared and the
// index of embedded bitmap strikes (EBLC) hidden. Wine's Tahoma has both, and either would put
// lines closer than the letters' accents allow (10 pixels instead of 13 at 8 points). Bytes that
// are not such a font come back unchanged.
QByteArray WithWindowsLineMetrics(QByteArray font);

}  // namespace cista
