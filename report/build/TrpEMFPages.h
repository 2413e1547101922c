#pragma once
// TrpEMFPages: a built report's prepared pages. Each page keeps its paper,
// the printer's figures for it and a stream of the objects printed on it
// (byte 23, then per object its type code, an add-in's class name and its
// print-mode record); the objects are made again from the stream whenever
// the page is drawn or exported. The list reads and writes prepared-report
// files:
//   byte 0 (uncompressed), string printer name, int32 page count N, then N
//   records of int32 position of the next record (from the file's start),
//   word paper code, int32 width, int32 height, byte orientation, byte
//   margins flag (0 or 1), and the page stream.
#include "platform/core/TObject.h"
#include "platform/graphics/TRect.h"
#include "report/print/detail/rpPrinterLink.h"

#include <memory>
#include <vector>

class TCanvas;
class TMemoryStream;
class TStream;
class TrpPage;
class TrpReport;

// The version byte of a page stream.
constexpr Byte rpPageStreamVersion = 23;

struct TrpPageInfo {
    TrpPageInfo();
    ~TrpPageInfo();
    TRect R; // the preview's own use
    Integer pgSize = 0;
    Integer pgWidth = 0;
    Integer pgHeight = 0;
    Byte pgOr = 0;
    bool pgMargins = false;
    TrpPrnInfo PrnInfo;
    // The page's objects are loaded for drawing.
    bool Visible = false;
    std::unique_ptr<TMemoryStream> Stream;
    // The objects while the page is drawn or edited; null otherwise.
    std::unique_ptr<TrpPage> Page;
};

class TrpEMFPages : public TObject {
public:
    explicit TrpEMFPages(TrpReport* AParent);
    ~TrpEMFPages() override;
    String ClassName() const override { return "TrpEMFPages"; }

    Integer Count() const { return static_cast<Integer>(FPages.size()); }
    // Raises EListError "List index out of bounds (<i>)".
    TrpPageInfo* Pages(Integer Index) const;
    // Appends a page of Page's paper, then the current report's (and the
    // master report's, when another) OnBeginPage with the page counter.
    void Add(TrpPage* Page);
    // A new empty page of Page's paper at Index (at the end beyond the last).
    void Insert(Integer Index, TrpPage* Page);
    void Delete(Integer Index);
    void Clear();

    // Draws the page's objects scaled into DrawRect. With Visible false the
    // page's loaded objects are freed and nothing is drawn. On a screen only
    // the objects that meet the canvas's clipping rectangle are drawn.
    void Draw(Integer Index, TCanvas* Canvas, const TRect& DrawRect);
    // Hands every object of the page to the report's active export filter.
    void ExportData(Integer Index);
    // Loads the page's objects into its Page (a new one each time).
    void ObjectsToPage(Integer Index);
    // Writes the page stream again from Page's objects.
    void PageToObjects(Integer Index);

    // Raises EListError "List index out of bounds (0)" before writing
    // anything when there is no page.
    void SaveToStream(TStream* Stream);
    // Reads a whole file, the older kind with metafile pages too (OlderPages.h);
    // the pages are replaced only when it read without fault. Raises EReadError
    // "Unsupported prepared report format" for compressed files, "Stream read
    // error" for a file with no page, a page count that cannot fit, or a record
    // that ends before its header or beyond the file, and EInvalidGraphic for
    // a damaged metafile page.
    void LoadFromStream(TStream* Stream);
    void SaveToFile(const String& FileName);
    void LoadFromFile(const String& FileName);

    TrpReport* Parent;

private:
    std::vector<std::unique_ptr<TrpPageInfo>> FPages;
};

// Reads the objects of a page stream into Page (print mode, then design mode).
void rpReadPageObjects(TStream* Stream, TrpPage* Page);
