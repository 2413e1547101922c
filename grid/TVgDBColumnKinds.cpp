#include "grid/TVgDBColumnKinds.h"

#include "grid/TVgDBGrid.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/DrawFrameControl.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"

#include <cmath>

namespace {

bool Blank(const Variant& Value) {
    return Value.IsNull() || Value.IsEmpty();
}

void Fill(TCanvas* Canvas, const TRect& Rect, TColor Color) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(Rect);
}

// Text the way the grid writes a cell: no margins, no wrap, the column's
// alignment and ellipsis.
void WriteValue(TVgDBColumn* Column, TCanvas* Canvas, const TRect& Rect, const String& Text) {
    WriteCellText(Canvas, Rect, 0, false, false, Column->TextEllipsis(), Column->Alignment(), Text, 0);
}

} // namespace

TVgDBImagesColumn::TVgDBImagesColumn(TCollection* Collection) : TVgDBColumn(Collection) {
    SetInplaceEditor(ieImageList);
}

void TVgDBImagesColumn::DrawItem(TCanvas* Canvas, const TRect& Rect, const Variant& Value, TColor Color,
                                 TGridDrawState, bool& Done) {
    if (!FImages) return;
    Fill(Canvas, Rect, Color);
    Integer index = Blank(Value) ? 0 : Value.AsInteger();
    FImages->Draw(Canvas, Rect.Left, Rect.Top, index, true);
    Done = true;
}

TVgDBProgressColumn::TVgDBProgressColumn(TCollection* Collection) : TVgDBColumn(Collection) {
    SetInplaceEditor(ieProgressbar);
}

Integer TVgDBProgressColumn::BarWidth(Integer Position, Integer Width) const {
    if (FMax == FMin) return 0;
    double percent = double(Position - FMin) * 100.0 / double(FMax - FMin);
    Integer w = Integer(std::nearbyint(Width * percent * 0.01));
    return w > Width ? Width : w;
}

void TVgDBProgressColumn::DrawItem(TCanvas* Canvas, const TRect& Rect, const Variant& Value, TColor Color,
                                   TGridDrawState, bool& Done) {
    Integer position = Blank(Value) ? 0 : Value.AsInteger();
    Fill(Canvas, Rect, Color);
    Integer w = BarWidth(position, Rect.Width());
    if (w > 0) Fill(Canvas, ::Rect(Rect.Left, Rect.Top, Rect.Left + w, Rect.Bottom), FBarColor);
    Done = true;
}

TVgDBPasswordColumn::TVgDBPasswordColumn(TCollection* Collection) : TVgDBColumn(Collection) {
    SetInplaceEditor(iePassword);
}

void TVgDBPasswordColumn::DrawItem(TCanvas* Canvas, const TRect& Rect, const Variant& Value, TColor Color,
                                   TGridDrawState, bool& Done) {
    Fill(Canvas, Rect, Color);
    if (!Blank(Value))
        WriteValue(this, Canvas, Rect,
                   String(std::size_t(core::Utf8Length(Value.AsString())), FPasswordChar));
    Done = true;
}

TVgDBHyperlinkColumn::TVgDBHyperlinkColumn(TCollection* Collection) : TVgDBColumn(Collection) {
    SetInplaceEditor(ieHyperlink);
}

void TVgDBHyperlinkColumn::DrawItem(TCanvas* Canvas, const TRect& Rect, const Variant& Value, TColor Color,
                                    TGridDrawState, bool& Done) {
    if (!Blank(Value)) {
        Fill(Canvas, Rect, Color);
        Canvas->Font()->SetStyle(Canvas->Font()->Style() + TFontStyles{fsUnderline});
        Canvas->Font()->SetColor(RGB(0, 0, 255));
        WriteValue(this, Canvas, Rect, Value.AsString());
    }
    Done = true;
}

TVgDBButtonColumn::TVgDBButtonColumn(TCollection* Collection) : TVgDBColumn(Collection) {
    SetInplaceEditor(ieButton);
}

void TVgDBButtonColumn::DrawItem(TCanvas* Canvas, const TRect& Rect, const Variant& Value, TColor,
                                 TGridDrawState, bool& Done) {
    TRect r = Rect;
    TVgDBGrid* g = GetGrid();
    DrawFrameControl(Canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | (g && g->Flat() ? DFCS_FLAT : 0));
    if (!Blank(Value)) WriteValue(this, Canvas, Rect, Value.AsString());
    Done = true;
}

TVgDBCheckboxColumn::TVgDBCheckboxColumn(TCollection* Collection) : TVgDBColumn(Collection) {
    SetInplaceEditor(ieCheckbox);
}

void TVgDBCheckboxColumn::DrawItem(TCanvas* Canvas, const TRect& Rect, const Variant& Value, TColor Color,
                                   TGridDrawState, bool& Done) {
    TCheckBoxState state = cbUnchecked;
    if (Blank(Value))
        state = cbGrayed;
    else if (Value.AsString() == FValueChecked)
        state = cbChecked;
    else if (Value.Type() == varBoolean)
        state = Value.AsBoolean() ? cbChecked : cbUnchecked;
    Fill(Canvas, Rect, Color);
    TRect r = Rect;
    InflateRect(r, -2, -2);
    if (TVgDBGrid* g = GetGrid()) g->DrawCheckBox(r, state, taCenter);
    Done = true;
}
