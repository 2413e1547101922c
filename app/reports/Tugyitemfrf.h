#pragma once
// The hidden form that holds the two case reports: the case sheet ("Ügy adatlap": one
// case with its history and clients) and the case list ("Ügy lista": the case search's
// current result), their report datasets, the queries behind the case sheet, and the
// report variables REGUSER and PNAME.
#include "platform/core/Variant.h"
#include "platform/ui/TCustomForm.h"

class TOpenDialog;
class TSqlite3Query;
class TrpDBDataSet;
class TrpRTFExport;
class TrpReport;

class Tugyitemfrf : public TForm {
public:
    explicit Tugyitemfrf(TComponent* AOwner);
    ~Tugyitemfrf() override;
    String ClassName() const override { return "Tugyitemfrf"; }

    TSqlite3Query* Query1; // the case header
    TSqlite3Query* Query2; // its history
    TSqlite3Query* Query3; // its persons
    TSqlite3Query* Query4; // its organisations
    TrpDBDataSet* rpDBDataSet1;
    TrpDBDataSet* rpDBDataSet2;
    TrpDBDataSet* rpDBDataSet3;
    TrpDBDataSet* rpDBDataSet4;
    TrpDBDataSet* rpDBDataSet5; // the main window's case search
    TrpReport* rpReport1;       // case sheet
    TrpReport* rpReport4;       // case list
    TrpRTFExport* rpRTFExport1; // offers the RTF export in the previews
    TOpenDialog* OpenDialog1;   // rich text files

    // Loads the case CaseId into the four queries and shows the case sheet report.
    void PrintCaseSheet(Integer CaseId);
    // Shows the case list report over the main window's search result; the search is
    // left on its last row.
    void PrintCaseList();
    // REGUSER and PNAME for both reports; other names are left to the engine.
    void rpReport1GetValue(const String& ParName, Variant& ParValue);

    // Loads the four queries of CaseId, their dates in the short date format.
    void LoadCase(Integer CaseId);
};

extern Tugyitemfrf* ugyitemfrf;
