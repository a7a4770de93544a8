#pragma once
// The colours of the screens, by name. Values are 0x00BBGGRR (red in the low byte), as bgr()
// and the other colour functions of ui/Look.h take them.

#include <QtGlobal>

namespace ui::palette {

inline constexpr quint32 kLavender = 0xFFA6D2;      // start and info screens
inline constexpr quint32 kPaleLavender = 0xFFD7EB;  // their panels
inline constexpr quint32 kLime = 0x97FFCB;          // menu screen, the learn glyph
inline constexpr quint32 kCounterLime = 0x97FFDC;   // the menu's two counters
inline constexpr quint32 kPaleGreen = 0xCAFFE4;     // menu panels, learn title, a right answer
inline constexpr quint32 kNavy = 0x800000;          // the menu's total count
inline constexpr quint32 kSalmon = 0x8080FF;        // list editor
inline constexpr quint32 kPink = 0xD9D9FF;          // editor title and panel, a wrong answer
inline constexpr quint32 kPeriwinkle = 0xFFC4C4;    // learn screens
inline constexpr quint32 kPaleBlue = 0xFFDFDF;      // learn progress and panel, quiz title
inline constexpr quint32 kLightYellow = 0xB3FFFF;   // quiz screens, a finished learn drill
inline constexpr quint32 kCream = 0xE1FFFF;         // quiz panel
inline constexpr quint32 kWhite = 0xFFFFFF;         // word fields and the help pages

}  // namespace ui::palette
