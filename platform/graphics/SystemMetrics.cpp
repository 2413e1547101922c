#include "platform/graphics/SystemMetrics.h"

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TColor.h"

#include <QGuiApplication>
#include <QScreen>

#include <cstdint>
#include <limits>
#include <utility>

Integer MulDiv(Integer a, Integer b, Integer c) {
    if (c == 0) return -1;
    std::int64_t num = std::int64_t(a) * b;
    std::int64_t den = c;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    // Half away from zero, as the platform rounds.
    std::int64_t q = num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den);
    if (q > std::numeric_limits<Integer>::max() || q < std::numeric_limits<Integer>::min()) return -1;
    return Integer(q);
}

Integer GetSystemMetrics(Integer index) {
    // Classic look at 96 dots per inch on a 1024 × 768 screen.
    switch (index) {
    case SM_CXSCREEN:
        return 1024;
    case SM_CYSCREEN:
        return 768;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
        return 16;
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return 16;
    case SM_CYCAPTION:
        return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CYMENU:
        return 19;
    case SM_CYSMCAPTION:
        return 15;
    case SM_CXFULLSCREEN:
        return 1024;
    case SM_CYFULLSCREEN:
        return 768 - 19 - 28;
    case SM_CXMIN:
        return 112;
    case SM_CYMIN:
        return 27;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return 18;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
        return 13;
    default:
        return 0;
    }
}

Integer GetDeviceCaps(TCanvas* dc, Integer index) {
    if (!dc || !dc->Backend()) return 0;
    return dc->Backend()->DeviceCaps(index);
}

TColorRef GetNearestColor(TCanvas* dc, TColorRef color) {
    if (!dc) return clNone;
    const TColorRef rgb = ColorToRGB(color) & 0xFFFFFF;
    const Integer depth = GetDeviceCaps(dc, BITSPIXEL);
    if (depth >= 16) return rgb;
    // The static colours of a palette screen: the 16 standard ones first.
    static const TColorRef fixed[] = {
        RGB(0, 0, 0),     RGB(255, 255, 255), RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),
        RGB(0, 0, 128),   RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(192, 192, 192), RGB(128, 128, 128),
        RGB(255, 0, 0),   RGB(0, 255, 0),     RGB(255, 255, 0),   RGB(0, 0, 255),     RGB(255, 0, 255),
        RGB(0, 255, 255), RGB(192, 220, 192), RGB(166, 202, 240), RGB(255, 251, 240), RGB(160, 160, 164)};
    const std::size_t count = depth <= 1 ? 2 : depth <= 4 ? 16 : 20;
    auto channel = [](TColorRef c, int shift) { return int((c >> shift) & 0xFF); };
    TColorRef best = fixed[0];
    long bestDistance = std::numeric_limits<long>::max();
    for (std::size_t i = 0; i < count; ++i) {
        long distance = 0;
        for (int shift : {0, 8, 16}) {
            const long d = channel(rgb, shift) - channel(fixed[i], shift);
            distance += d * d;
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = fixed[i];
        }
    }
    return best;
}

namespace {

graphics::ScreenDepthQuery& DepthQuery() {
    static graphics::ScreenDepthQuery query;
    return query;
}

} // namespace

Integer ScreenColorDepth() {
    if (DepthQuery()) return DepthQuery()();
    const QScreen* screen = QGuiApplication::instance() ? QGuiApplication::primaryScreen() : nullptr;
    return screen ? screen->depth() : 32;
}

namespace graphics {

ScreenDepthQuery SetScreenDepthQuery(ScreenDepthQuery Query) {
    return std::exchange(DepthQuery(), std::move(Query));
}

} // namespace graphics
