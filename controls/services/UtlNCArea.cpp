#include "controls/services/UtlNCArea.h"

#include "controls/services/UtlSysInfo.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"

#include <algorithm>

namespace {

// Space between the window icon, the caption text and the buttons.
constexpr Integer Gap = 2;

bool IsTool(TFormBorderStyle Style) {
    return Style == bsToolWindow || Style == bsSizeToolWin;
}

// The frame's sides and the caption of a border style.
struct Frame {
    Integer X = 0, Y = 0, Caption = 0;
};

Frame FrameOf(const TUtlNCMetrics& M, TFormBorderStyle Style) {
    switch (Style) {
    case bsNone:
        return {};
    case bsSizeable:
        return {M.SizingBorderX, M.SizingBorderY, M.CaptionHeight};
    case bsSizeToolWin:
        return {M.SizingBorderX, M.SizingBorderY, M.SmallCaptionHeight};
    case bsToolWindow:
        return {M.DlgFrameX, M.DlgFrameY, M.SmallCaptionHeight};
    default:
        return {M.DlgFrameX, M.DlgFrameY, M.CaptionHeight};
    }
}

bool PublishedFrame(const TCustomForm* Form, TFrameExtents& Extents) {
    if (!Form && Application) Form = Application->MainForm();
    return Form && UtlSystemSource().FrameExtents(Form, Extents);
}

} // namespace

TUtlNCMetrics UtlNCClassicMetrics() {
    TUtlNCMetrics m;
    m.CaptionHeight = GetSystemMetrics(SM_CYCAPTION);
    m.ButtonWidth = GetSystemMetrics(SM_CXSIZE);
    m.ButtonHeight = GetSystemMetrics(SM_CYSIZE);
    m.DlgFrameX = GetSystemMetrics(SM_CXDLGFRAME);
    m.DlgFrameY = GetSystemMetrics(SM_CYDLGFRAME);
    m.FixedBorderX = GetSystemMetrics(SM_CXBORDER);
    m.FixedBorderY = GetSystemMetrics(SM_CYBORDER);
    m.SizingBorderX = GetSystemMetrics(SM_CXFRAME);
    m.SizingBorderY = GetSystemMetrics(SM_CYFRAME);
    m.BorderWidth = m.FixedBorderX + m.SizingBorderX - 1;
    m.SmallCaptionHeight = GetSystemMetrics(SM_CYSMCAPTION);
    // The small buttons sit inside the small caption as the ordinary ones in theirs.
    m.SmallButtonWidth = m.SmallCaptionHeight - (m.CaptionHeight - m.ButtonWidth);
    m.SmallButtonHeight = m.SmallCaptionHeight - (m.CaptionHeight - m.ButtonHeight);
    m.IconWidth = GetSystemMetrics(SM_CXSMICON);
    m.IconHeight = GetSystemMetrics(SM_CYSMICON);
    return m;
}

TUtlNCMetrics UtlNCMetricsOf(const TFrameExtents& Extents) {
    TUtlNCMetrics m = UtlNCClassicMetrics();
    // The sides are the frame's thickness; the bottom may hold a grip of the
    // window manager's, so the caption is what the top holds beyond a side.
    const Integer side = std::max<Integer>(Extents.Left, 0);
    const Integer caption = std::max<Integer>(Extents.Top - side, 0);
    m.CaptionHeight = m.SmallCaptionHeight = caption;
    m.ButtonWidth = m.ButtonHeight = m.SmallButtonWidth = m.SmallButtonHeight =
        std::max<Integer>(caption - 1, 0);
    // One frame for every style; a line of it counts as the fixed border.
    m.DlgFrameX = m.DlgFrameY = m.SizingBorderX = m.SizingBorderY = side;
    m.FixedBorderX = m.FixedBorderY = std::min<Integer>(side, 1);
    m.BorderWidth = m.FixedBorderX + m.SizingBorderX - 1;
    m.IconWidth = std::min(m.IconWidth, m.CaptionHeight);
    m.IconHeight = std::min(m.IconHeight, m.CaptionHeight);
    return m;
}

TUtlNCMetrics UtlNCMetrics(const TCustomForm* Form) {
    TFrameExtents extents;
    return PublishedFrame(Form, extents) ? UtlNCMetricsOf(extents) : UtlNCClassicMetrics();
}

bool UtlNCCalcDrawingArea(TCustomForm* Window, TRect& Rect, TRect& CaptionRect, Integer& Flags) {
    if (!Window || !Window->Visible()) return false;
    utl::NCWindow w;
    w.BorderStyle = Window->BorderStyle();
    w.BorderIcons = ShownBorderIcons(w.BorderStyle, Window->BorderIcons());
    w.Iconic = Window->WindowState() == wsMinimized;
    w.Size = TSize(Window->Width(), Window->Height());
    TUtlNCMetrics metrics = UtlNCClassicMetrics();
    TFrameExtents extents;
    if (PublishedFrame(Window, extents)) {
        // The form's size holds the classic frame; the window manager's takes its place.
        const Frame classic = FrameOf(metrics, w.BorderStyle);
        w.Size.cx += extents.Left + extents.Right - 2 * classic.X;
        w.Size.cy += extents.Top + extents.Bottom - 2 * classic.Y - classic.Caption;
        metrics = UtlNCMetricsOf(extents);
    }
    utl::NCCalcDrawingArea(metrics, w, Rect, CaptionRect, Flags);
    return true;
}

namespace utl {

void NCCalcDrawingArea(const TUtlNCMetrics& M, const NCWindow& W, TRect& Rect, TRect& CaptionRect,
                       Integer& Flags) {
    Flags &= ncFullWidth | ncLeftMargin;
    const bool tool = IsTool(W.BorderStyle);
    const Frame f = FrameOf(M, W.BorderStyle);
    if (tool) Flags |= ncToolWindow;
    if (W.Iconic) Flags |= ncIconic;
    Rect = TRect(f.X, f.Y, std::max<Integer>(W.Size.cx - f.X, f.X), f.Y + f.Caption);
    CaptionRect = Rect;

    // The window icon stands left of the caption wherever the system menu is,
    // except on tool windows and dialogs.
    if (W.BorderIcons.Contains(biSystemMenu) && !tool && W.BorderStyle != bsDialog) Flags |= ncSysMenuIcon;
    if (Flags & ncFullWidth) return;
    if (Flags & ncSysMenuIcon) CaptionRect.Left += M.IconWidth + Gap;
    if (Flags & ncLeftMargin) CaptionRect.Left += Gap;
    const Integer button = tool ? M.SmallButtonWidth : M.ButtonWidth;
    Integer buttons = 0;
    if (W.BorderIcons.Contains(biSystemMenu)) buttons += button + Gap;
    if (W.BorderIcons.Contains(biMinimize) || W.BorderIcons.Contains(biMaximize)) buttons += 2 * button;
    if (W.BorderIcons.Contains(biHelp)) buttons += button;
    CaptionRect.Right = std::max(CaptionRect.Left, CaptionRect.Right - buttons);
}

} // namespace utl
