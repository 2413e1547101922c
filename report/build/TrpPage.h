#pragma once
// TrpPage: one template page (paper, margins, columns and the objects placed
// on it), and TrpPages, the report's template pages, with their records of
// the template stream.
#include "platform/core/TObject.h"
#include "platform/graphics/TRect.h"
#include "report/views/TrpBandView.h"
#include "report/print/detail/rpPrinterLink.h"

#include <array>
#include <memory>
#include <vector>

class TStream;
class TrpBand;
class TrpReport;
class TrpView;

class TrpPage : public TObject {
public:
    // Paper from the size code, its size in tenths of a millimetre and the orientation.
    TrpPage(Integer ASize, Integer AWidth, Integer AHeight, Byte AOr);
    ~TrpPage() override;
    String ClassName() const override { return "TrpPage"; }

    // The objects in list order; the page owns them.
    Integer ObjectCount() const { return static_cast<Integer>(Objects.size()); }
    TrpView* Object(Integer Index) const { return Objects.at(static_cast<std::size_t>(Index)).get(); }
    // Takes ownership.
    void Add(TrpView* View);
    // Frees the object at Index.
    void Delete(Integer Index);
    // Frees every object.
    void Clear();
    // The first object whose name equals Name ignoring case, else null.
    TrpView* FindObject(const String& Name) const;
    // Index of the object with that identifier, else -1.
    Integer FindObjectByID(Integer ID) const;

    // Lets the printer layer resolve the paper (it may substitute the paper it has).
    void ChangePaper();

    // One page record of the template stream (versions below 23 carry 6 more
    // bytes after the orientation, skipped on reading).
    void LoadFromStream(TStream* Stream);
    void SaveToStream(TStream* Stream);

    Integer PaperSize = 9;
    Integer PaperWidth = 0;
    Integer PaperHeight = 0;
    // Left, Top, Right, Bottom in page pixels; 0 takes the printer's offset.
    TRect Margins;
    Byte Orientation = 0; // 0 portrait, 1 landscape
    bool PrintToPrevPage = false;
    bool UseMargins = true;
    Integer ColumnCount = 1;
    Integer ColumnGap = 0;
    // The printer's figures for this paper, filled by ChangePaper.
    TrpPrnInfo PrnInfo;

    std::vector<std::unique_ptr<TrpView>> Objects;
    // Heads of the band chains while a report is built, one per band type.
    std::array<TrpBand*, rpBandTypeCount> Bands{};

    // The band engine (a build in progress).
    // Makes the band chains and the run-time objects; DoneReport frees them.
    void InitReport();
    void DoneReport();
    // Binds objects whose text is one bracketed field name to that field.
    void PrepareObjects();
    // Builds this template page into prepared pages (or records it, Mode 1).
    void FormPage();
    void NewPage();
    void NewColumn(TrpBand* Band);
    // The height a new column (or page) gives a flowing band under its headers and
    // above the column footer, as the template's bands measure.
    Integer FreshRoom() const;
    void ShowBand(TrpBand* Band);
    void ShowBandByName(const String& Name);
    void ShowBandByType(TrpBandType Type);
    void DrawPageFooters();
    // Accumulates the aggregates of every band of the given types.
    void DoAggregate(std::initializer_list<TrpBandType> Types);
    // True when the band has at least one object.
    static bool BandExists(TrpBand* Band);
    // Tells the hook list about the object just printed.
    void AfterPrint();
    void AddRecord(TrpBand* Band, Byte Kind);
    void ClearRecList();
    // Replays recorded steps; true when a band did not fit (continue later).
    bool PlayRecList();
    TrpView* FindRTObject(const String& Name) const;

    // Margins in page pixels, from Margins or the printer's offsets.
    Integer TopMargin() const;
    Integer BottomMargin() const;
    Integer LeftMargin() const;
    Integer RightMargin() const;

    std::vector<std::unique_ptr<TrpView>> RTObjects;
    Integer CurY = 0;
    Integer CurBottomY = 0;
    Integer CurColumn = 0;
    Integer XAdjust = 0;
    Integer ColWidth = 0;
    Integer LastStaticColumnY = 0;
    // Where the current page or column began after its headers: a band there never breaks.
    Integer FreshY = -1;
    // Inside NewPage or NewColumn: the bands shown there never break.
    Integer Breaking = 0;
    Integer ColPos = 1;
    Integer CurrentRecNo = 1;
    // Printed only as a sub-report.
    bool Skip = false;
    // 0 normal, 1 recording for a sub-report.
    Byte Mode = 0;
    struct RecordedStep {
        TrpBand* Band;
        Byte Kind; // 0 show, 1 First, 2 Next
    };
    std::vector<RecordedStep> RecList;
    Integer PlayPos = 0;
    TrpBand* PendingSubReports = nullptr;
    bool Initialized = false;

private:
    void TossObjects();
    void LinkHeadersAndFooters();
    void DataLoop(Integer Level);
    void ShowPending();
    void GroupBreak(TrpBand* DataBand);
    // The data band of a level (1 master, 2 detail, 3 sub-detail).
    TrpBand* DataHead(Integer Level) const;

    std::vector<TrpBand*> FPending;
    Integer FDeepest = 0;
    bool FHasGroups = false;
};

class TrpPages : public TObject {
public:
    explicit TrpPages(TrpReport* AParent) : Parent(AParent) {}
    ~TrpPages() override;
    String ClassName() const override { return "TrpPages"; }

    Integer Count() const { return static_cast<Integer>(FPages.size()); }
    // Raises EListError "List index out of bounds (<i>)".
    TrpPage* Pages(Integer Index) const;
    // Appends a page of paper size 9 (A4), no size and portrait, whose paper
    // then comes from the printer layer.
    void Add();
    void Delete(Integer Index);
    void Clear();

    // The report header after the version byte, then the page and object
    // records and the values block, until the stream ends. Raises on a record
    // it cannot read; the report then keeps one empty page.
    void LoadFromStream(TStream* Stream);
    // The report header, every page record, every object record, the values
    // block. Raises EWriteError "A template holds at most 256 pages" before
    // writing anything when there are more pages than a record can name.
    void SaveToStream(TStream* Stream);
    void CheckWritable() const;

    TrpReport* Parent;

private:
    void ReadObjectRecord(TStream* Stream, Byte Code);
    std::vector<std::unique_ptr<TrpPage>> FPages;
};
