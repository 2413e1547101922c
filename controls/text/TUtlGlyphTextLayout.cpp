#include "controls/text/TUtlGlyphTextLayout.h"

void TUtlGlyphTextLayout::SetAlignment(TUtlAlignment Value) {
    SetAndChange(FAlignment, Value);
}

void TUtlGlyphTextLayout::SetAlignText2Glyph(TUtlTextArrange Value) {
    SetAndChange(FAlignText2Glyph, Value);
}

void TUtlGlyphTextLayout::SetOffset(Integer Index, Integer Value) {
    SetAndChange(Index == 0 ? FOffsetX : FOffsetY, Value);
}

void TUtlGlyphTextLayout::SetSpacing(Integer Value) {
    SetAndChange(FSpacing, Value);
}

void TUtlGlyphTextLayout::Assign(TPersistent* Source) {
    auto* from = dynamic_cast<TUtlGlyphTextLayout*>(Source);
    if (!from) {
        TUtlObject::Assign(Source);
        return;
    }
    BeginUpdate();
    CopyFrom(*from);
    EndUpdate(true);
}

void TUtlGlyphTextLayout::CopyFrom(const TUtlGlyphTextLayout& From) {
    SetAlignment(From.FAlignment);
    SetAlignText2Glyph(From.FAlignText2Glyph);
    SetOffset(0, From.FOffsetX);
    SetOffset(1, From.FOffsetY);
    SetSpacing(From.FSpacing);
}

void TUtlButtonLayout::SetArrow(bool Value) {
    SetAndChange(FArrow, Value);
}

void TUtlButtonLayout::SetArrowColor(TColor Value) {
    SetAndChange(FArrowColor, Value);
}

void TUtlButtonLayout::SetArrowIndent(Integer Value) {
    SetAndChange(FArrowIndent, Value);
}

void TUtlButtonLayout::SetArrowPosition(TUtlArrowPosition Value) {
    SetAndChange(FArrowPosition, Value);
}

void TUtlButtonLayout::SetArrowSize(TUtlDDArrowSize Value) {
    SetAndChange(FArrowSize, Value);
}

void TUtlButtonLayout::CopyFrom(const TUtlGlyphTextLayout& From) {
    TUtlGlyphTextLayout::CopyFrom(From);
    if (const auto* from = dynamic_cast<const TUtlButtonLayout*>(&From)) {
        SetArrow(from->FArrow);
        SetArrowColor(from->FArrowColor);
        SetArrowIndent(from->FArrowIndent);
        SetArrowPosition(from->FArrowPosition);
        SetArrowSize(from->FArrowSize);
    }
}
