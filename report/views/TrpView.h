#pragma once
// TrpView: every object a report template places on a page (text memo,
// picture, band, sub-report link, line, rich text). A view knows its rectangle
// in page pixels, frame, fill, text and script; it draws itself on any canvas
// at any scale, writes itself into a template or prepared-page stream, and
// hands itself to an export filter. Nothing here needs a window.
#include "platform/core/TObject.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TRect.h"
#include "report/common/detail/rpGlobals.h"

#include <memory>
#include <unordered_map>
#include <unordered_set>

class TCanvas;
class TDataSet;
class TField;
class TPopupMenu;
class TRegion;
class TStream;
class TrpMemoView;
class TrpStretcheable;
class TrpSubReportView;

enum TrpDrawMode { drAll, drCalcHeight, drAfterCalcHeight, drPart };
enum TrpRgnType { rtNormal, rtExtended };

// Type codes of the stored object records.
enum : Byte { gtMemo = 0, gtPicture = 1, gtBand = 2, gtSubReport = 3, gtLine = 4, gtAddIn = 10 };

// FrameTyp bits: the framed sides.
enum : Word { FrameRight = 1, FrameBottom = 2, FrameLeft = 4, FrameTop = 8, FrameAll = 15 };
// FrameStyle 5 is drawn by the view itself as a double line.
constexpr Word fsDouble = 5;
// Flags bit shared by every view.
constexpr Word flStretched = 1;
// The FillColor that means no fill.
constexpr TColor clNoFill = 0x1FFFFFFF;

class TrpView : public TObject {
public:
    // Sets the defaults; ID is assigned by rpCreateObject.
    TrpView();
    ~TrpView() override;
    String ClassName() const override { return "TrpView"; }

    // Fills the rectangle, unless drawing is disabled or a built report has no fill.
    virtual void ShowBackGround();
    // Draws the framed sides (and the designer's corner marks).
    virtual void ShowFrame();
    // Loads the content from a blob field; nothing in the base.
    virtual void GetBlob(TField* Field) {}
    // The field the view is bound to (FDataSet, FField) when it is a blob
    // field of the current record, else null.
    TField* BlobField() const;
    virtual void OnHook(TrpView* View) {}
    // Copies the shared stored fields; descendants copy theirs after calling it.
    virtual void Assign(TrpView* View);
    // Scales the rectangle and frame for drawing (see RestoreCoord).
    virtual void CalcGaps();
    // Puts back what CalcGaps changed.
    virtual void RestoreCoord();
    virtual void Draw(TCanvas* Canvas) = 0;
    // Runs the enter-rectangle notification and the script, then writes the
    // record (type code, class name for add-ins, print-mode fields) when visible.
    virtual void Print(TStream* Stream);
    // Hands the view to the report's active export filter.
    virtual void ExportData();
    // One object record of the template stream, in StreamMode, by rpVersion.
    virtual void LoadFromStream(TStream* Stream);
    virtual void SaveToStream(TStream* Stream);
    virtual void Resized() {}
    // Appends the designer's items for the view to Popup, which owns them: a
    // separator and the stretched check item. A click changes the selected
    // objects of the designer's page, or this view alone without a designer.
    virtual void DefinePopupMenu(TPopupMenu* Popup);
    // The clip region of the view (owned by the caller).
    virtual std::unique_ptr<TRegion> GetClipRgn(TrpRgnType RgnType);
    // The view as the kind the band engine asks about for every object of every record, or
    // null when it is none: what a dynamic_cast answers, for the price of a virtual call.
    virtual TrpStretcheable* AsStretcheable() { return nullptr; }
    virtual TrpMemoView* AsMemo() { return nullptr; }
    virtual TrpSubReportView* AsSubReport() { return nullptr; }

    // Sets Canvas and makes this view the current one.
    void BeginDraw(TCanvas* ACanvas);
    // Names the view BaseName + the first number no object of CurReport carries;
    // leaves Name empty after 10,000 tries. Taken from CurReport's TrpNameIndex
    // while one lives.
    void CreateUniqueName();
    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight);

    // Right and bottom edges of the scaled rectangle, from the saved one.
    Integer ScaledRight() const;
    Integer ScaledBottom() const;

    Integer SaveX = 0, SaveY = 0, SaveDX = 0, SaveDY = 0;
    float SaveFW = 0;
    String BaseName = "View";
    TCanvas* Canvas = nullptr;
    TRect DRect;
    Integer gapx = 0, gapy = 0;
    TStringList Memo1;
    TDataSet* FDataSet = nullptr;
    String FField;
    Byte StreamMode = smDesigning;
    TrpBand* Parent = nullptr;
    String Name;
    Integer ID = 0;
    Byte Typ = 0;
    bool Selected = false;
    TRect InitialRect;
    double ScaleX = 1.0, ScaleY = 1.0;
    Integer OffsX = 0, OffsY = 0;
    bool IsPrinting = false;
    Integer Left = 0, Top = 0, Width = 0, Height = 0;
    Word Flags = flStretched;
    Word FrameTyp = 0;
    float FrameWidth = 1.0f;
    TColor FrameColor = 0;
    Word FrameStyle = 0;
    TColor FillColor = clNoFill;
    Integer Format;
    String FormatStr;
    bool Visible = true;
    TStringList Memo;
    TStringList Script;

protected:
    // The lines SaveToStream writes instead of Memo while set: a printed memo
    // writes its expanded text without copying it over its template.
    const TStrings* FWrittenMemo = nullptr;
    // One framed side from (x1, y1) to (x2, y2) with the canvas's current pen.
    void FrameLine(Integer x1, Integer y1, Integer x2, Integer y2);
    // The captions a designer shows on views: 8-point Arial in black.
    void SetDesignFont();
};

// The names a report's objects carry (case aside), made once, and for each
// base name the lowest number that may still be free. While one lives it
// stands for its report in CreateUniqueName: reading an older template names
// every view it holds, and a search of the whole report for each number tried
// made that cubic in the number of views.
class TrpNameIndex {
public:
    explicit TrpNameIndex(TrpReport* Report);
    ~TrpNameIndex();
    TrpNameIndex(const TrpNameIndex&) = delete;
    TrpNameIndex& operator=(const TrpNameIndex&) = delete;

    // BaseName followed by the first number from 1 to 10,000 that no name
    // holds, now held; empty when all are.
    String Take(const String& BaseName);
    // The innermost living index of Report, or null.
    static TrpNameIndex* Of(TrpReport* Report);

private:
    TrpReport* FReport;
    TrpNameIndex* FOuter;
    std::unordered_set<String> FTaken;
    std::unordered_map<String, Integer> FNext;
};

// A view that grows with its content and may be split across pages.
class TrpStretcheable : public TrpView {
public:
    String ClassName() const override { return "TrpStretcheable"; }
    // Height the current content needs.
    virtual Integer CalcHeight() = 0;
    // Height of the first block of lines.
    virtual Integer MinHeight() = 0;
    // Height still to print after a split.
    virtual Integer RemainHeight() = 0;
    TrpStretcheable* AsStretcheable() final { return this; }

    Integer ActualHeight = 0;
    TrpDrawMode DrawMode = drAll;
};
