#pragma once
// The hidden form that holds the printable reports of the deposits, partners,
// documents and client identification areas: the deposit sheet, the deposit list and
// search, the partner list and search, the document list, the identification list and
// the two identification sheets, with the report datasets over the queries of the main
// window and the dialogs, and the report variables REGUSER, PNAME and REGCIM.
#include "platform/core/Variant.h"
#include "platform/ui/TCustomForm.h"

class TrpDBDataSet;
class TrpRichObject;
class TrpReport;

class Tletetfrf : public TForm {
public:
    explicit Tletetfrf(TComponent* AOwner);
    ~Tletetfrf() override;
    String ClassName() const override { return "Tletetfrf"; }

    TrpDBDataSet* rpDBDataSet1;  // deposit sheet's header, opened by the sheet
    TrpDBDataSet* rpDBDataSet2;  // deposit sheet's movements, opened by the sheet
    TrpDBDataSet* rpDBDataSet3;  // deposit list
    TrpDBDataSet* rpDBDataSet4;  // deposit list total
    TrpDBDataSet* rpDBDataSet5;  // partner list
    TrpDBDataSet* rpDBDataSet6;  // partner search, opened by the search
    TrpDBDataSet* rpDBDataSet7;  // deposit search
    TrpDBDataSet* rpDBDataSet8;  // deposit search total
    TrpDBDataSet* rpDBDataSet9;  // document list
    TrpDBDataSet* rpDBDataSet13; // identification list, opened by the list
    TrpDBDataSet* rpDBDataSet14; // the person of the new-identification dialog
    TrpDBDataSet* rpDBDataSet15; // the person of the identification dialog
    TrpReport* rpReport1;        // deposit sheet
    TrpReport* rpReport2;        // deposit list
    TrpReport* rpReport6;        // deposit search
    TrpReport* rpReport3;        // partner list
    TrpReport* rpReport4;        // partner search
    TrpReport* rpReport10;       // document list
    TrpReport* rpReport13;       // identification list
    TrpReport* rpReport14;       // identification sheet of the new-identification dialog
    TrpReport* rpReport15;       // identification sheet of the identification dialog
    // The identification sheets' declaration is rich text.
    TrpRichObject* rpRichObject1;

    // Builds Report over the datasets as they stand and shows it in the preview.
    void Print(TrpReport* Report);

    void rpReport1GetValue(const String& ParName, Variant& ParValue);
    void rpReport2GetValue(const String& ParName, Variant& ParValue);
    void rpReport3GetValue(const String& ParName, Variant& ParValue);
    void rpReport10GetValue(const String& ParName, Variant& ParValue);
    void rpReport13GetValue(const String& ParName, Variant& ParValue);
    void rpReport14GetValue(const String& ParName, Variant& ParValue);
    void rpReport15GetValue(const String& ParName, Variant& ParValue);

private:
    // The datasets of other forms, found by their names when a report is printed.
    void BindDataSets();
};

extern Tletetfrf* letetfrf;
