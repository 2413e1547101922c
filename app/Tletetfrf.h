#pragma once
// The hidden form that holds the printable reports of the deposits, partners and
// documents areas: the deposit sheet, the deposit list and search, the partner list
// and search, and the document list, with the report datasets over the main window's
// and the deposit sheet's queries, and the report variables REGUSER and PNAME.
#include "platform/core/Variant.h"
#include "platform/ui/TCustomForm.h"

class TrpDBDataSet;
class TrpReport;

class Tletetfrf : public TForm {
public:
    explicit Tletetfrf(TComponent* AOwner);
    ~Tletetfrf() override;
    String ClassName() const override { return "Tletetfrf"; }

    TrpDBDataSet* rpDBDataSet1; // deposit sheet's header, opened by the sheet
    TrpDBDataSet* rpDBDataSet2; // deposit sheet's movements, opened by the sheet
    TrpDBDataSet* rpDBDataSet3; // deposit list
    TrpDBDataSet* rpDBDataSet4; // deposit list total
    TrpDBDataSet* rpDBDataSet5; // partner list
    TrpDBDataSet* rpDBDataSet6; // partner search, opened by the search
    TrpDBDataSet* rpDBDataSet7; // deposit search
    TrpDBDataSet* rpDBDataSet8; // deposit search total
    TrpDBDataSet* rpDBDataSet9; // document list
    TrpReport* rpReport1;       // deposit sheet
    TrpReport* rpReport2;       // deposit list
    TrpReport* rpReport6;       // deposit search
    TrpReport* rpReport3;       // partner list
    TrpReport* rpReport4;       // partner search
    TrpReport* rpReport10;      // document list

    // Builds Report over the datasets as they stand and shows it in the preview.
    void Print(TrpReport* Report);

    void rpReport1GetValue(const String& ParName, Variant& ParValue);
    void rpReport2GetValue(const String& ParName, Variant& ParValue);
    void rpReport3GetValue(const String& ParName, Variant& ParValue);
    void rpReport10GetValue(const String& ParName, Variant& ParValue);

private:
    // The datasets of other forms, found by their names when a report is printed.
    void BindDataSets();
};

extern Tletetfrf* letetfrf;
