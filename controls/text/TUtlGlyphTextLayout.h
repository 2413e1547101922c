#pragma once
// Where a glyph and a caption sit inside a control: the pair's alignment in
// the control, the caption's side of the glyph, offsets and spacing; the
// button layout adds a drop-down arrow. The UTL text-and-glyph drawing reads them.
#include "controls/common/TUtlObject.h"
#include "platform/graphics/TColor.h"

enum TUtlAlignment {
    agTopLeft,
    agTopCenter,
    agTopRight,
    agCenterLeft,
    agCenter,
    agCenterRight,
    agBottomLeft,
    agBottomCenter,
    agBottomRight
};
// The caption's place beside the glyph.
enum TUtlTextArrange { taLeft, taLeftTop, taRight, taRightTop, taTop, taTopLeft, taBottom, taBottomLeft };
enum TUtlArrowPosition { apRightText, apLeftText, apRightGlyph, apLeftGlyph };
using TUtlDDArrowSize = Byte;

class TUtlGlyphTextLayout : public TUtlObject {
public:
    TUtlGlyphTextLayout() = default;
    String ClassName() const override { return "TUtlGlyphTextLayout"; }

    TUtlAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TUtlAlignment Value);
    TUtlTextArrange AlignText2Glyph() const { return FAlignText2Glyph; }
    void SetAlignText2Glyph(TUtlTextArrange Value);
    // Index 0 OffsetX, 1 OffsetY.
    Integer GetOffset(Integer Index) const { return Index == 0 ? FOffsetX : FOffsetY; }
    void SetOffset(Integer Index, Integer Value);
    Integer OffsetX() const { return FOffsetX; }
    void SetOffsetX(Integer Value) { SetOffset(0, Value); }
    Integer OffsetY() const { return FOffsetY; }
    void SetOffsetY(Integer Value) { SetOffset(1, Value); }
    Integer Spacing() const { return FSpacing; }
    void SetSpacing(Integer Value);

    // From a layout of this kind or a plain glyph-text layout: the properties
    // both have, with one notification.
    void Assign(TPersistent* Source) override;

protected:
    explicit TUtlGlyphTextLayout(TUtlAlignment DefaultAlignment) : FAlignment(DefaultAlignment) {}
    virtual void CopyFrom(const TUtlGlyphTextLayout& From);

private:
    TUtlAlignment FAlignment = agTopLeft;
    TUtlTextArrange FAlignText2Glyph = taRight;
    Integer FOffsetX = 0;
    Integer FOffsetY = 0;
    Integer FSpacing = 2;
};

class TUtlButtonLayout : public TUtlGlyphTextLayout {
public:
    TUtlButtonLayout() : TUtlGlyphTextLayout(agCenter) {}
    String ClassName() const override { return "TUtlButtonLayout"; }

    bool Arrow() const { return FArrow; }
    void SetArrow(bool Value);
    TColor ArrowColor() const { return FArrowColor; }
    void SetArrowColor(TColor Value);
    Integer ArrowIndent() const { return FArrowIndent; }
    void SetArrowIndent(Integer Value);
    TUtlArrowPosition ArrowPosition() const { return FArrowPosition; }
    void SetArrowPosition(TUtlArrowPosition Value);
    TUtlDDArrowSize ArrowSize() const { return FArrowSize; }
    void SetArrowSize(TUtlDDArrowSize Value);

protected:
    void CopyFrom(const TUtlGlyphTextLayout& From) override;

private:
    bool FArrow = false;
    TColor FArrowColor = clBlack;
    Integer FArrowIndent = 3;
    TUtlArrowPosition FArrowPosition = apRightText;
    TUtlDDArrowSize FArrowSize = 3;
};
