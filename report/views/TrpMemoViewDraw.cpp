// Drawing of the memo view: fitting each wrapped line to its measured width
// at the target's scale, alignment, rotation and justification.
#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TStringList.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TextPlacement.h"
#include "report/views/detail/LinePlacement.h"
#include "report/views/detail/MemoText.h"
#include "report/views/TrpMemoView.h"
#include "report/views/detail/rpCoordinates.h"
#include "report/common/detail/rpReportLink.h"

#include <algorithm>

namespace {

Integer SpaceCount(const String& t) {
    return static_cast<Integer>(std::count(t.begin(), t.end(), ' '));
}

} // namespace

void TrpMemoView::Draw(TCanvas* ACanvas) {
    BeginDraw(ACanvas);
    if ((Flags & flAutoWidth) && Memo.Count() > 0 && DocMode == dmPrinting) {
        const Integer w = CalcWidth(&Memo);
        if (Adjust & 1) Left = report::ClampCoordinate(Int64{Left} + Width - w);
        Width = w;
    }
    Streaming = false;
    Memo1.Assign(&Memo);
    {
        // The lines are wrapped with the gaps of scale 1.
        const double sx = ScaleX, sy = ScaleY;
        ScaleX = ScaleY = 1;
        CalcGaps();
        ScaleX = sx;
        ScaleY = sy;
    }
    RestoreCoord();
    if (Memo1.Count() > 0) {
        const bool wrap = !report::IsWrapped(Memo1);
        if (Memo1.Get(Memo1.Count() - 1) == "\x01") Memo1.Delete(Memo1.Count() - 1);
        if (wrap) {
            WrapMemo();
            Memo1.Assign(SMemo);
        } else {
            // Lines wrapped elsewhere: the block is as high as they are.
            FVHeight =
                report::ClampCoordinate(Int64{Memo1.Count()} * LineStep() + 2 * ((Adjust & 4) ? gapx : gapy));
        }
    }
    CalcGaps();
    if (!Exporting) {
        ShowBackGround();
        ShowFrame();
    }
    if (Memo1.Count() > 0) ShowMemo();
    RestoreCoord();
}

void TrpMemoView::ShowMemo() {
    AssignFont(Canvas);
    Canvas->SetTextCharacterExtra(report::RoundCoordinate(CharacterSpacing * ScaleX));
    const TRect clip(DRect.Left + 1, DRect.Top, DRect.Right - 2, DRect.Bottom - 1);
    const bool rotated = (Adjust & 4) != 0;
    // The lines advance down, or rightwards when rotated.
    const double along = rotated ? ScaleX : ScaleY;
    const Integer vheight = report::RoundCoordinate(FVHeight * along);

    const Integer savedAdjust = Adjust, savedLeft = Left, savedTop = Top;
    core::ScopeExit back([&] {
        Adjust = savedAdjust;
        Left = savedLeft;
        Top = savedTop;
    });
    // A part printed across pages keeps its lines at the top.
    if ((Adjust & 24) != 0 && !Streaming) {
        Adjust &= 7;
        const Integer vertical = savedAdjust & 24;
        Integer& pos = rotated ? Left : Top;
        const Integer size = rotated ? Width : Height;
        if (vertical == 8) pos += (size - vheight) / 2;
        if (vertical == 16) pos += size - vheight;
    }

    CurStrNo = 0;
    // An export takes what the page shows: lines wholly outside the memo's box
    // are not handed on, as the clip cuts them from the page (a fixed-height
    // memo's overflow may run past the page's edge). The box is taken wide, so
    // a memo placed beyond the coordinate limit still hands on its text.
    const Int64 boxStart = rotated ? savedLeft : savedTop;
    const Int64 boxEnd = boxStart + (rotated ? Width : Height);
    auto outside = [&](Int64 at, Int64 end) { return Exporting && (at >= boxEnd || end <= boxStart); };
    report::LinePlacement lines{rotated ? Int64{Left} + gapx : Int64{Top} + gapy, LineStep(), along};
    // A printer's font is sized from its points at the printer's resolution, not
    // scaled from the layout's pixels: its lines step by that font, and printed
    // pages keep their spacing.
    if (IsPrinting) {
        lines.Step = report::ClampCoordinate(-Int64{Canvas->Font()->Height()} +
                                             report::RoundCoordinate(LineSpacing * ScaleY));
        lines.Scale = 1;
    }
    // Lines far below the page stay at its coordinate limit.
    if (!rotated) {
        for (Integer k = 0; k < Memo1.Count(); ++k) {
            const Int64 y = lines.Start(k), end = lines.Start(k + 1);
            if (Streaming && end > clip.Bottom) break;
            if (!outside(y, end)) ShowLine(Memo1.Get(k), report::ClampCoordinate(y), clip);
        }
        return;
    }
    Canvas->Font()->SetOrientation(900);
    core::ScopeExit unrotate([this] { Canvas->Font()->SetOrientation(0); });
    for (Integer k = 0; k < Memo1.Count(); ++k) {
        const Int64 x = lines.Start(k);
        if (!outside(x, lines.Start(k + 1))) ShowRotatedLine(Memo1.Get(k), report::ClampCoordinate(x), clip);
    }
}

void TrpMemoView::ShowLine(const String& Record, Integer y, const TRect& Clip) {
    const report::LineRecord line = report::ParseLineRecord(Record);
    const String& t = line.Text;
    Integer x = Left + gapx;
    if ((Adjust & 3) == 3) {
        if (!Exporting) {
            const Integer spaces = SpaceCount(t);
            if (spaces > 0 && !line.LastOfParagraph)
                SetTextJustification(Canvas, report::Spare(Width, gapx, Canvas->TextWidth(t)), spaces);
            ExtTextOut(Canvas, x, y, graphics::ETO_CLIPPED, &Clip, t, -1, nullptr);
            SetTextJustification(Canvas, 0, 0);
        }
    } else {
        AssignFont(Canvas);
        const Integer nw = report::RoundCoordinate(line.Width * ScaleX);
        // The largest font that fits the line's width: a search rather than a step
        // at a time, since a damaged page may carry an absurd font size.
        if (Canvas->TextWidth(t) > nw && Canvas->Font()->Height() < -1) {
            Integer tooWide = Canvas->Font()->Height(), fits = -1;
            while (fits - tooWide > 1) {
                const Integer mid = tooWide + (fits - tooWide) / 2;
                Canvas->Font()->SetHeight(mid);
                if (Canvas->TextWidth(t) > nw)
                    tooWide = mid;
                else
                    fits = mid;
            }
            Canvas->Font()->SetHeight(fits);
        }
        x = report::AlignedX(Adjust, Left, Width, gapx, nw);
        if (!Exporting) graphics::TextOutSpanning(Canvas, x, y, t, nw, &Clip);
    }
    if (Exporting) rpExportText(CurReport, x, y, t, this);
    ++CurStrNo;
}

void TrpMemoView::ShowRotatedLine(const String& Record, Integer x, const TRect& Clip) {
    const report::LineRecord line = report::ParseLineRecord(Record);
    const String& t = line.Text;
    const Integer w = Canvas->TextWidth(t);
    const Integer y = report::RotatedY(Adjust, Top, Height, gapy, w);
    if (Exporting) {
        rpExportText(CurReport, x, y, t, this);
    } else if ((Adjust & 3) == 3 && SpaceCount(t) > 0 && !line.LastOfParagraph) {
        // Rotated justification: each word moves up by the spaces' share before it.
        const Integer extra = report::Spare(Height, gapy, w), spaces = SpaceCount(t);
        Integer advance = 0, index = 0;
        std::size_t from = 0;
        for (;;) {
            const std::size_t to = t.find(' ', from);
            const String word = t.substr(from, to == String::npos ? String::npos : to - from);
            const Integer shift = graphics::JustifyShift(extra, spaces, index);
            ExtTextOut(Canvas, x, y - advance - shift, graphics::ETO_CLIPPED, &Clip, word, -1, nullptr);
            if (to == String::npos) break;
            advance += Canvas->TextWidth(word + " ");
            from = to + 1;
            ++index;
        }
    } else {
        ExtTextOut(Canvas, x, y, graphics::ETO_CLIPPED, &Clip, t, -1, nullptr);
    }
    ++CurStrNo;
}
