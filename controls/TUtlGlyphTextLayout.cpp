#include "controls/TUtlGlyphTextLayout.h"

namespace {

template <typename T> bool Store(T& field, T value) {
    if (field == value) return false;
    field = value;
    return true;
}

} // namespace

void TUtlGlyphTextLayout::SetAlignment(TUtlAlignment Value) {
    if (Store(FAlignment, Value)) Change();
}

void TUtlGlyphTextLayout::SetAlignText2Glyph(TUtlTextArrange Value) {
    if (Store(FAlignText2Glyph, Value)) Change();
}

void TUtlGlyphTextLayout::SetOffset(Integer Index, Integer Value) {
    if (Store(Index == 0 ? FOffsetX : FOffsetY, Value)) Change();
}

void TUtlGlyphTextLayout::SetSpacing(Integer Value) {
    if (Store(FSpacing, Value)) Change();
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
    if (Store(FArrow, Value)) Change();
}

void TUtlButtonLayout::SetArrowColor(TColor Value) {
    if (Store(FArrowColor, Value)) Change();
}

void TUtlButtonLayout::SetArrowIndent(Integer Value) {
    if (Store(FArrowIndent, Value)) Change();
}

void TUtlButtonLayout::SetArrowPosition(TUtlArrowPosition Value) {
    if (Store(FArrowPosition, Value)) Change();
}

void TUtlButtonLayout::SetArrowSize(TUtlDDArrowSize Value) {
    if (Store(FArrowSize, Value)) Change();
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
