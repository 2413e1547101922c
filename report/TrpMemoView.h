#pragma once
// The memo view: the text object of a report. This file holds its stored
// fields, defaults and template record; the text itself is laid out and drawn
// by the memo's layout routines.
#include "platform/graphics/TFont.h"
#include "report/TrpView.h"

// Memo flags besides flStretched.
enum : Word { flWordWrap = 2, flWordBreak = 4, flAutoWidth = 8 };

// Attributes applied while the highlight condition holds.
struct TrpHighlightAttr {
    Word FontStyle = 2; // 1 italic, 2 bold, 4 underline
    TColor FontColor = clBlack;
    TColor FillColor = clWhite;
};

// The engine's default font character set (resource string 55337).
Byte rpCharset();

class TrpMemoView : public TrpStretcheable {
public:
    TrpMemoView();
    String ClassName() const override { return "TrpMemoView"; }

    // The base fields, then Font, Adjust, Highlight, HighlightStr and LineSpacing.
    void Assign(TrpView* View) override;
    void Draw(TCanvas* ACanvas) override;
    // The common record, then font name, size, style word, colour, Adjust and
    // charset; in design mode the highlight attributes and condition. A
    // version-21 memo gets word wrap; below version 23 the charset read is
    // replaced by the default one.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;

    Integer CalcHeight() override { return Height; }
    Integer MinHeight() override { return TextHeight; }
    Integer RemainHeight() override { return Memo1.Count() * TextHeight; }

    TFont Font;
    bool Streaming = false;
    Integer TextHeight = 0;
    Integer CurStrNo = 0;
    bool Exporting = false;
    // Alignment and rotation: and 3 horizontal, 4 rotated, and 24 vertical.
    Integer Adjust = 0;
    TrpHighlightAttr Highlight;
    String HighlightStr;
    Integer LineSpacing = 2;
    Integer CharacterSpacing = 0;
};
