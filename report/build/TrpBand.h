#pragma once
// TrpBand: a run-time band of a template page while a report is built. The
// page's InitReport makes one chain per band type from the band views; the
// band engine walks, measures and draws them. The run-time objects a band
// lists belong to its page; the band owns only the data sources it made.
#include "platform/core/TObject.h"
#include "platform/core/TStringList.h"
#include "platform/core/Variant.h"
#include "report/script/detail/FunctionHost.h"
#include "report/views/TrpBandView.h"

#include <vector>

class TDataSet;
class TrpDataset;
class TrpPage;

class TrpBand : public TObject, public report::AggregateBand {
public:
    TrpBand() = default;
    ~TrpBand() override;
    String ClassName() const override { return "TrpBand"; }

    TrpPage* Parent = nullptr;
    TrpView* View = nullptr;
    TrpBandType Typ = btNone;
    Word Flags = 0;
    TrpDataset* DataSet = nullptr;
    bool IsVirtualDS = false;
    // The column data source of a cross-tab row band.
    TrpDataset* VCDataSet = nullptr;
    bool IsVirtualVCDS = false;
    TrpBand* Next = nullptr;
    TrpBand* Prev = nullptr;
    // The last band of the chain; kept by the head.
    TrpBand* LastBand = nullptr;
    // Template position and size (x and dx for cross bands, y and dy for the others);
    // scripts read and change them through the band view.
    Integer x = 0, dx = 0, y = 0, dy = 0;
    // The height for the current record (-1 until computed) and the height used.
    Integer calcdy = -1;
    Integer maxdy = 0;
    bool Visible = true;
    std::vector<TrpView*> Objects;
    TStringList Memo;
    TStringList Script;
    // Data bands: their header and footer; a group header: its group footer.
    TrpBand* HeaderBand = nullptr;
    TrpBand* FooterBand = nullptr;
    String GroupCondition;
    Variant LastGroupValue;
    // Aggregate accumulators ("key=" mark and number) and rows aggregated.
    TStringList Values;
    Integer Count = 0;
    Integer LocalRecNo = 0;
    Integer ThroughRecNo = 0;
    bool Stretched = false;
    bool PrintIfSubsetEmpty = false;
    bool NewPageAfter = false;
    // May split across pages.
    bool PageBreak = false;
    // Set by the NEWPAGE and NEWCOLUMN script commands, honoured before the band is drawn.
    bool ForceNewPage = false;
    bool ForceNewColumn = false;
    // Set while a group header is shown again, so its aggregates stay.
    bool DisableInit = false;
    // Sub-report state: index of the first sub-report object, which are done,
    // and the lowest position they reached.
    Integer SubIndex = 0;
    bool SubReportsDone = true;
    std::vector<bool> SubDone;
    Integer SubMaxY = 0;

    // The data source named by Desc (a group header: its condition). A name of
    // a component that is no report data source raises EInvalidCast.
    void InitDataSet(const String& Desc);
    // Data bands without a data source of their own that follow one with a source
    // belong to its record: they are drawn after it for each record, kept on its page,
    // and counted with it. SourceBand is the band whose record a band belongs to
    // (itself for every other band); NextInRecord the first band of this band's
    // record after it, NextChild the one after Band.
    TrpBand* SourceBand();
    TrpBand* NextInRecord() const;
    static TrpBand* NextChild(const TrpBand* Band);
    // Frees the data sources this band made (after their Exit).
    void FreeDataSets();
    // Source becomes the column data source; one the band made before is freed.
    void SetVCDataSet(TrpDataset* Source, bool Owned);
    // Script, breaks and drawing of the band at the page's position; true when
    // it did not fit on a sub-report page or its sub-reports continue later.
    bool Draw();
    Integer CalcHeight();
    Integer DoCalcHeight();
    void DoDraw();
    // Draws the objects up to the first sub-report, then the sub-reports.
    void DrawObjects();
    // Prints one object into the prepared page being filled.
    void DrawObject(TrpView* View);
    // True when the height does not fit (then, unless PBreak, a new column or page).
    bool CheckPageBreak(Integer ay, Integer ady, bool PBreak);
    // A band that may split: its objects continue on the following pages.
    void DrawPageBreak();
    // A stretched band that may not split can still run on over pages when no page
    // would hold it: not on a sub-report's page, while a page starts, or with
    // sub-reports or cross cells, which print only whole.
    bool MayRunOver() const;
    // True when a stretched band of that height would not fit even on a fresh page or column.
    bool OutgrowsAPage(Integer Height) const;
    void StretchObjects(Integer MaxHeight);
    void UnStretchObjects();
    void DrawCross();
    void DrawCrossCell(TrpBand* CrossBand, Integer ax);
    bool HasCross() const;
    // The cross data band's data source, else this band's column source.
    TrpDataset* CrossDataSet() const;
    // The tallest cross cell of this row over every column record.
    Integer CalcCrossHeight();
    void PrepareSubReports();
    void DoSubReports();
    void DoAggregate();
    void InitValues();
    // Records a failed object: the error text, and the report terminated.
    void DoError(TrpView* ErrView, const String& Message);

    // report::AggregateBand
    Integer BandType() const override { return Typ; }
    bool BandVisible() const override { return Visible; }
    String BandName() const override;
    TStringList* AggregateValues() override { return &Values; }
    Integer AggregateCount() const override { return Count; }

    // Heights of the objects, kept while they are stretched.
    std::vector<Integer> SavedHeights;
};

// The platform data set behind the current band, for field names given without
// a data set: summary, master data and footer, group header and footer use the
// page's master data band; detail data and footer the detail data band;
// sub-detail data and footer the sub-detail data band; cross data and footer
// the cross data band. Null for other band types, without a current band, or
// when that band's data source is not a TrpDBDataSet.
TDataSet* GetDefaultDataSet();
