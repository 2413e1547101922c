// Geometry of the data grid: title height, bands, frozen columns, the
// indicator's width, automatic column widths and the option switches.
#include "platform/core/ScopeExit.h"
#include "grid/TVgDBGrid.h"

#include "grid/VgColumnWidths.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStrings.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/TGridDataLink.h"

#include <algorithm>
#include <cmath>

namespace {

// The classic check box glyph: a quarter of the system bitmap's width, a third of its height.
constexpr Integer CheckBoxGlyphSize = 13;

} // namespace

Integer TVgDBGrid::FixedCols() const {
    // While the link is active at least one data column stays unfrozen.
    Integer dataCols = Columns()->Count();
    if (DataLink()->Active()) return std::min(FFixedCols, std::max(dataCols - 1, 0));
    return FFixedCols;
}

void TVgDBGrid::SetFixedCols(Integer Value) {
    Integer v = std::max(Value, 0);
    Integer dataCols = Columns()->Count();
    if (DataLink()->Active() && !FLoading && dataCols > 1) v = std::min(v, dataCols - 1);
    FFixedCols = v;
    LayoutChanged();
}

Integer TVgDBGrid::CheckBoxMinimum() const {
    Integer m = Options().Contains(dgColLines) && Options().Contains(dgRowLines) ? 4 : 8;
    return m + CheckBoxGlyphSize + Indicators()->Width();
}

void TVgDBGrid::SetIndicatorWidth(Integer Value) {
    if (Value == FWidthOfIndicator) return;
    if (FExOptions.Contains(eoCheckBoxSelect)) Value = std::max(Value, CheckBoxMinimum());
    FWidthOfIndicator = std::max(Value, 11);
    SetColumnAttributes();
}

void TVgDBGrid::SetColumnAttributes() {
    TCustomDBGrid::SetColumnAttributes();
    if (IndicatorOffset() > 0) SetColWidths(0, FWidthOfIndicator);
}

void TVgDBGrid::SetExOptions(TExOptions Value) {
    if (Value == FExOptions) return;
    FExOptions = Value;
    TGridOptions go = GridOptions();
    if (Value.Contains(eoRowSizing))
        go.Include(goRowSizing);
    else
        go.Exclude(goRowSizing);
    SetGridOptions(go);
    if (!Value.Contains(eoCheckBoxSelect) && FWidthOfIndicator == CheckBoxMinimum())
        FWidthOfIndicator = 11;
    else if (Value.Contains(eoCheckBoxSelect) && FWidthOfIndicator == 11)
        FWidthOfIndicator = CheckBoxMinimum();
    SetColumnAttributes();
    FitWidths();
    SetTitlesHeight();
    SetRowHeight();
    UpdateRowCount();
    UpdateActive();
    InvalidateFooter();
    Invalidate();
}

void TVgDBGrid::SetTitlesHeight() {
    if (FLoading || !Options().Contains(dgTitles) || RowCount() == 0) return;
    TCanvas* C = Canvas();
    Integer h = 0;
    switch (FTitleHeight->Kind()) {
    case hkAuto:
        for (Integer i = 0; i < Columns()->Count(); ++i) {
            TColumn* col = Columns()->Items(i);
            TRect r = Rect(0, 0, std::max(col->Width() - 1, 0), 0);
            C->Font()->Assign(col->Title()->Font());
            String caption = col->Title()->Caption();
            if (caption.find('|') != String::npos) {
                std::replace(caption.begin(), caption.end(), '|', '\r');
                col->Title()->SetCaption(caption);
            }
            Cardinal flags = DT_CALCRECT | DT_EXPANDTABS;
            if (FExOptions.Contains(eoTitleWordWrap)) flags |= DT_WORDBREAK;
            h = std::max(h, DrawText(C, caption, -1, r, flags));
        }
        break;
    case hkLineCount:
        C->Font()->Assign(TitleFont());
        h = C->TextHeight("W") * FTitleHeight->LineCount();
        break;
    case hkPixelCount:
        h = FTitleHeight->PixelCount();
        break;
    }
    if (h == 0) return;
    h += Options().Contains(dgRowLines) ? 3 : 2;
    if (FExOptions.Contains(eoTitleButtons)) h += 2;
    if (FExOptions.Contains(eoDrawBands) && FBands->Count() > 0 && !FExOptions.Contains(eoBandsOverTitles))
        h += DefaultRowHeight();
    if (FExOptions.Contains(eoShowFilterBar)) h += FilterStripHeight;
    SetRowHeights(0, h + 2);
}

TRect TVgDBGrid::CalcTitleRect1(TColumn* Column, Integer ARow, TColumn*& MasterCol) const {
    return CalcTitleRect(Column, ARow, MasterCol);
}

TRect TVgDBGrid::GetBandRect(Integer Index) const {
    Integer lineAdd = Options().Contains(dgColLines) ? 1 : 0;
    Integer count = GetColumns()->Count();
    auto bandOf = [&](Integer i) {
        return i >= 0 && i < count ? GetColumns()->GetColumn(i)->BandIndex() : -1;
    };
    Integer band = bandOf(Index);
    Integer first = Index, last = Index;
    if (band >= 0) {
        while (first > 0 && bandOf(first - 1) == band)
            --first;
        while (last + 1 < count && bandOf(last + 1) == band)
            ++last;
    }
    if (first < 0 || first >= count) return {};
    TColumn* master = nullptr;
    TRect r = CalcTitleRect(GetColumns()->GetColumn(first), 0, master);
    for (Integer i = first + 1; i <= last; ++i) {
        TRect t = CalcTitleRect(GetColumns()->GetColumn(i), 0, master);
        if (!IsRectEmpty(t)) r.Right += t.Width() + lineAdd;
    }
    return r;
}

void TVgDBGrid::UpdateColWidths() {
    if (!FExOptions.Contains(eoAutoWidth) || Columns()->Count() == 0 || FLoading || FUpdatingWidths) return;
    FUpdatingWidths = true;
    core::ScopeExit done([this] { FUpdatingWidths = false; });
    Integer n = Columns()->Count();
    std::vector<Integer> wanted(std::size_t(n), 0), footers(std::size_t(n), 0);
    std::vector<bool> visible(std::size_t(n), false);
    TCanvas* C = Canvas();
    vg::MeasureText measure = [C](const String& Text) { return C->TextWidth(Text); };
    for (Integer i = 0; i < n; ++i) {
        TColumn* col = Columns()->Items(i);
        visible[std::size_t(i)] = col->Visible();
        if (!col->Visible()) continue;
        C->Font()->Assign(col->Title()->Font());
        wanted[std::size_t(i)] =
            vg::CaptionWidth(measure, col->Title()->Caption(), FExOptions.Contains(eoTitleWordWrap));
    }
    if (DataSet() && DataSet()->Active()) {
        C->Font()->Assign(Font());
        for (Integer i = 0; i < n; ++i) {
            TColumn* col = Columns()->Items(i);
            if (!col->Visible()) continue;
            Integer w = 0;
            if (ColumnIsCheckbox(col))
                w = 2;
            else if (TField* f = col->Field())
                w = C->TextWidth(f->DisplayText());
            wanted[std::size_t(i)] = std::max(wanted[std::size_t(i)], w);
        }
    }
    // A footer text is a floor: a total is never cut to share the room.
    if (FExOptions.Contains(eoShowFooter))
        for (Integer i = 0; i < n; ++i) {
            auto* column = dynamic_cast<TVgDBColumn*>(Columns()->Items(i));
            const String text = column ? column->FooterCellText() : String();
            if (!visible[std::size_t(i)] || text.empty()) continue;
            footers[std::size_t(i)] = FooterTextRoom(text);
            wanted[std::size_t(i)] = std::max(wanted[std::size_t(i)], footers[std::size_t(i)]);
        }
    vg::ColumnRoom room;
    room.GridWidth = Width();
    room.BorderWidth = GetSystemMetrics(SM_CXBORDER);
    room.GridLineWidth = GridLineWidth();
    room.ColCount = ColCount();
    room.ScrollBarWidth = VertScrollState().Shown ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    room.IndicatorWidth = Options().Contains(dgIndicator) ? FWidthOfIndicator : 0;
    std::vector<Integer> widths = vg::FitColumnWidths(wanted, visible, vg::AvailableWidth(room), footers);
    for (Integer i = 0; i < n; ++i)
        if (visible[std::size_t(i)]) Columns()->Items(i)->SetWidth(widths[std::size_t(i)]);
}

void TVgDBGrid::UpdateColWidths1() {
    if (!FExOptions.Contains(eoAutoWidth) || Columns()->Count() == 0 || FLoading || FUpdatingWidths) return;
    Integer sum = 0;
    for (Integer i = 0; i < Columns()->Count(); ++i)
        if (Columns()->Items(i)->Visible()) sum += Columns()->Items(i)->Width();
    Integer client = ClientRect().Width();
    Integer diff = client - sum;
    if (sum <= 0 || (diff >= 0 && diff <= 2)) return;
    FUpdatingWidths = true;
    core::ScopeExit reset([this] { FUpdatingWidths = false; });
    for (Integer i = 0; i < Columns()->Count(); ++i) {
        TColumn* col = Columns()->Items(i);
        if (col->Visible())
            col->SetWidth(std::max(1, Integer(std::lround(double(col->Width()) * client / sum))));
    }
}

void TVgDBGrid::LayoutChanged() {
    if (InLayout()) return;
    TCustomDBGrid::LayoutChanged();
    if (FLoading) return;
    SetTitlesHeight();
    FitWidths();
    UpdateRowCount();
    UpdateActive();
    if (FExOptions.Contains(eoShowFooter)) InvalidateFooter();
}

void TVgDBGrid::ColWidthsChanged() {
    TCustomDBGrid::ColWidthsChanged();
    if (!InLayout()) FitWidths();
    if (OnColWidthsChanged) OnColWidthsChanged(this);
}

void TVgDBGrid::Resize() {
    TCustomDBGrid::Resize();
    FitWidths();
    InvalidateFooter();
}

TCustomGrid::TScrollState TVgDBGrid::HorzScrollState() const {
    // Fitted columns never need the horizontal bar.
    if (FExOptions.Contains(eoAutoWidth)) return {};
    return TCustomDBGrid::HorzScrollState();
}

void TVgDBGrid::RowHeightsChanged() {
    TCustomDBGrid::RowHeightsChanged();
    if (FSettingRowHeights) return;
    // A row the user sized stays tall enough for one line of text.
    Integer minimum = Canvas()->TextHeight("Wg") + 2;
    for (Integer r = std::max(TopRow(), TitleOffset()); r < RowCount(); ++r)
        if (RowHeights(r) != DefaultRowHeight()) {
            if (RowHeights(r) < minimum) SetRowHeights(r, minimum);
            break;
        }
    SetRowHeight();
}

void TVgDBGrid::SetRowHeight() {
    if (!FExOptions.Contains(eoRowHeightAutofit) || !DataLink()->Active() || FLoading || FSettingRowHeights)
        return;
    FSettingRowHeights = true;
    TGridDataLink* link = DataLink();
    Integer saved = link->ActiveRecord();
    core::ScopeExit back([&] {
        link->SetActiveRecord(saved);
        FSettingRowHeights = false;
    });
    TCanvas* C = Canvas();
    Cardinal flags = DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX;
    if (FExOptions.Contains(eoTitleWordWrap)) flags |= DT_WORDBREAK;
    for (Integer r = TitleOffset(); r < RowCount() && r - TitleOffset() < link->RecordCount(); ++r) {
        link->SetActiveRecord(r - TitleOffset());
        Integer tallest = 0;
        for (Integer i = 0; i < Columns()->Count(); ++i) {
            TColumn* col = Columns()->Items(i);
            if (!col->Visible() || !col->Field()) continue;
            C->Font()->Assign(col->Font());
            TRect rc = Rect(0, 0, std::max(col->Width() - 1, 0), 0);
            tallest = std::max(tallest, DrawText(C, col->Field()->DisplayText(), -1, rc, flags));
        }
        SetRowHeights(r, tallest + (Options().Contains(dgRowLines) ? 3 : 2) + 2);
    }
}
