#pragma once
// TrpBand: a run-time band of a template page while a report is built. The
// band engine fills the chains; the rest of the engine reads a band's type and
// data source (the default data set of field names, the special variables).
#include "platform/core/TObject.h"
#include "report/TrpBandView.h"

class TrpDataset;
class TrpPage;

class TrpBand : public TObject {
public:
    String ClassName() const override { return "TrpBand"; }

    TrpPage* Parent = nullptr;
    TrpView* View = nullptr;
    TrpBandType Typ = btNone;
    TrpDataset* DataSet = nullptr;
    TrpBand* Next = nullptr;
    TrpBand* Prev = nullptr;
    // Template position and size (x and dx for cross bands, y and dy for the others);
    // scripts read and change them through the band view.
    Integer x = 0, dx = 0, y = 0, dy = 0;
    bool Visible = true;
    // Set by the NEWPAGE and NEWCOLUMN script commands, honoured before the band is drawn.
    bool ForceNewPage = false;
    bool ForceNewColumn = false;
};
