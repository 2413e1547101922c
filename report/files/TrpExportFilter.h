#pragma once
// Export filters: a filter receives the document and page events of a
// prepared report and every view's text lines with their positions, and
// writes its own file format to Stream. The base keeps, per grid row, the
// text items of the current page ordered by x; it writes nothing itself.
#include "platform/core/TObject.h"
#include "platform/graphics/TColor.h"

#include <vector>

class TStream;
class TrpView;

// One exported text line with the font of the memo it came from (other
// views leave the font empty, size 0 and colour 0).
struct TrpTextRec {
    Integer X = 0;
    Integer Y = 0;
    // Which text of the page the line belongs to: one number per view handing
    // its lines on, so that two lines of one text never share an output line.
    Integer Source = 0;
    String Text;
    String FontName;
    Integer FontSize = 0;
    Integer FontStyle = 0; // 1 italic, 2 bold, 4 underline
    TColor FontColor = 0;
    Integer FontCharset = 0;
    TColor FillColor = 0;
};

class TrpExportFilter : public TObject {
public:
    explicit TrpExportFilter(TStream* AStream) : Stream(AStream) {}
    String ClassName() const override { return "TrpExportFilter"; }
    virtual void OnBeginDoc() {}
    virtual void OnEndDoc() {}
    // The report's way into a page: the page's number (from 1) and height in
    // page pixels (0 when not known) for the filter, then OnBeginPage.
    void BeginPage(Integer APageNo, Integer APageHeight) {
        PageNo = APageNo;
        PageHeight = APageHeight;
        OnBeginPage();
    }
    virtual void OnBeginPage() {}
    virtual void OnEndPage() {}
    virtual void OnData(Integer x, Integer y, TrpView* View) {}
    virtual void OnText(Integer x, Integer y, const String& Text, TrpView* View) {}
    void ClearLines() { Lines.clear(); }

    // Not owned.
    TStream* Stream;
    // The page being exported, as BeginPage gave it.
    Integer PageNo = 0;
    Integer PageHeight = 0;
    // One entry per grid row, its items ordered by X.
    std::vector<std::vector<TrpTextRec>> Lines;
};
