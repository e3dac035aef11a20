#pragma once

#include <string>
#include <string_view>

namespace ui {

// Turns the raw bytes of a panel file into the text the panel shows.
//
// The leading bytes choose the encoding: EF BB BF is strict UTF-8 (any ill-formed sequence gives
// the empty text), FF FE is UTF-16 little-endian (so FF FE 00 00 is too), FE FF UTF-16
// big-endian, with an odd last byte ignored; anything else is Windows-1250, which cannot fail.
// The mark is not part of the text. The text ends at the first NUL, and every CR LF, lone CR and
// lone LF comes out as CR LF.
std::u16string DecodePanelText(std::string_view bytes);

}  // namespace ui
