#pragma once
// MulDiv and the metrics the platform reports for the screen and devices,
// fixed to the classic look at 96 dots per inch so layout is deterministic.
#include "platform/core/Types.h"

#include <cstdint>
#include <functional>

class TCanvas;

// a × b / c rounded half away from zero, in 64-bit; −1 when c is 0 or the
// result does not fit in 32 bits.
Integer MulDiv(Integer a, Integer b, Integer c);

constexpr Integer SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYCAPTION = 4,
                  SM_CXBORDER = 5, SM_CYBORDER = 6, SM_CXDLGFRAME = 7, SM_CYDLGFRAME = 8, SM_CYVTHUMB = 9,
                  SM_CXHTHUMB = 10, SM_CXICON = 11, SM_CYICON = 12, SM_CXCURSOR = 13, SM_CYCURSOR = 14,
                  SM_CYMENU = 15, SM_CXFULLSCREEN = 16, SM_CYFULLSCREEN = 17, SM_CYVSCROLL = 20,
                  SM_CXHSCROLL = 21, SM_CXMIN = 28, SM_CYMIN = 29, SM_CXSIZE = 30, SM_CYSIZE = 31,
                  SM_CXFRAME = 32, SM_CYFRAME = 33, SM_CXDOUBLECLK = 36, SM_CYDOUBLECLK = 37, SM_CXEDGE = 45,
                  SM_CYEDGE = 46, SM_CXSMICON = 49, SM_CYSMICON = 50, SM_CYSMCAPTION = 51,
                  SM_CXMENUCHECK = 71, SM_CYMENUCHECK = 72;
constexpr Integer SM_CXFIXEDFRAME = SM_CXDLGFRAME, SM_CYFIXEDFRAME = SM_CYDLGFRAME,
                  SM_CXSIZEFRAME = SM_CXFRAME, SM_CYSIZEFRAME = SM_CYFRAME;

// The classic metric for index; 0 for an unknown index.
Integer GetSystemMetrics(Integer index);

constexpr Integer HORZSIZE = 4, VERTSIZE = 6, HORZRES = 8, VERTRES = 10, BITSPIXEL = 12, PLANES = 14,
                  NUMCOLORS = 24, RASTERCAPS = 38, LOGPIXELSX = 88, LOGPIXELSY = 90, SIZEPALETTE = 104,
                  PHYSICALWIDTH = 110, PHYSICALHEIGHT = 111, PHYSICALOFFSETX = 112, PHYSICALOFFSETY = 113;
constexpr Integer RC_PALETTE = 0x0100;

// Asks the canvas's backend; 0 for a null canvas or an unknown index.
Integer GetDeviceCaps(TCanvas* dc, Integer index);

// The colour the device shows for color (system colours resolved): on a
// device of 16 bits per pixel or more the colour itself, below that the
// nearest of its fixed colours (the 20 static palette colours at 8 bits, the
// 16 standard ones at 4, black and white at 1); clNone for a null canvas.
using TColorRef = std::uint32_t;
TColorRef GetNearestColor(TCanvas* dc, TColorRef color);

// Bits per pixel of the screen: the primary screen's, 32 without one. A
// window's canvas reports it as its BITSPIXEL, and so does a recording canvas,
// which stands for one.
Integer ScreenColorDepth();

namespace graphics {

using ScreenDepthQuery = std::function<Integer()>;
// Replaces the screen's depth query (a test puts a palette screen in place;
// an empty one restores the screen's); returns the previous one.
ScreenDepthQuery SetScreenDepthQuery(ScreenDepthQuery Query);

} // namespace graphics
