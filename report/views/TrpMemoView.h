#pragma once
// The memo view: the text object of a report. It expands bracketed
// expressions, wraps the text to its width on the 96-dpi measuring canvas
// (TempBmp) so that every target breaks lines alike, draws the lines with
// alignment, rotation and justification at any scale, reports the height it
// needs and prints itself in parts across pages. The widget-free text rules
// are in MemoText.h.
#include "platform/graphics/TFont.h"
#include "report/views/TrpView.h"
#include "report/views/detail/rpCoordinates.h"

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
    TrpMemoView* AsMemo() final { return this; }

    // The base fields, then Font, Adjust, Highlight, HighlightStr and LineSpacing.
    void Assign(TrpView* View) override;
    // Draws the text: lines not yet wrapped are wrapped at scale 1 first, then
    // each is fitted to its measured width at the canvas's scale.
    void Draw(TCanvas* ACanvas) override;
    // Writes the print-mode record with the expanded text; in drPart only the
    // lines that fit Height (at least one), keeping the rest in Memo1.
    void Print(TStream* Stream) override;
    // Hands every line inside the memo's box, with its position, to the report's
    // OnExportText; the lines its clip cuts away on the page are left out.
    void ExportData() override;
    // The common record, then font name, size, style word, colour, Adjust and
    // charset; in design mode the highlight attributes and condition. A
    // version-21 memo gets word wrap; below version 23 the charset read is
    // replaced by the default one.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;

    // Expands and wraps the text; the height of the wrapped block (0 when
    // invisible or empty). Sets DrawMode to drAfterCalcHeight.
    Integer CalcHeight() override;
    Integer MinHeight() override { return TextHeight; }
    Integer RemainHeight() override { return report::ClampCoordinate(Int64{Memo1.Count()} * TextHeight); }
    // Memo1 takes the blob field's text (none when the field is null).
    void GetBlob(TField* Field) override;
    // The display format dialog and the font dialog, the base items, then
    // word wrap, word break (enabled only with word wrap) and auto width;
    // each changes the selected memos.
    void DefinePopupMenu(TPopupMenu* Popup) override;

    // Memo1 := Memo with every bracketed expression replaced by its value.
    void ExpandVariables();
    // The canvas font for drawing at ScaleY (on a printer canvas the font as it is).
    void AssignFont(TCanvas* ACanvas);
    // Wraps Memo1 into line records in SMemo; sets TextHeight and the block height.
    void WrapMemo();
    // Draws (or, exporting, hands out) the lines of Memo1; counts them in CurStrNo.
    void ShowMemo();
    // Width that shows Lines unwrapped, frame and gaps included.
    Integer CalcWidth(TStrings* Lines);

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

private:
    void ShowLine(const String& Record, Integer Pos, const TRect& Clip);
    void ShowRotatedLine(const String& Record, Integer Pos, const TRect& Clip);
    // Saves font and fill, then applies the highlight when its condition holds
    // (a result that is neither empty nor 0); RestoreHighlight puts them back. A memo
    // without a condition saves and restores nothing.
    void ApplyHighlight();
    void RestoreHighlight();
    // Line step at scale 1: the font's pixel height plus LineSpacing.
    Integer LineStep() const;

    // Height of the text block of the last wrapping, at scale 1.
    Integer FVHeight = 0;
    TFont FSavedFont;
    TColor FSavedFill = clNoFill;
    bool FHighlightSaved = false;
};
