#pragma once
// The small dialogs that add one row to a registry look-up table: a header strip, the
// labels in a coloured left margin, "Rögzít" and "Bezár". Mode names the opener whose
// list is refreshed after storing: 1 the main window's registry settings page, 2 the
// incoming and 3 the outgoing entry dialog.
#include "platform/ui/TCustomForm.h"

class TBitBtn;
class TEdit;
class TPanel;
class TSqlite3Query;
class TSqlite3Table;

namespace app {

class MainWindowShared;

class LookupNameDialog : public TForm {
public:
    LookupNameDialog(TComponent* AOwner, const String& Name, const String& Caption, const String& Header,
                     Integer ClientHeight);

    Integer Mode = 0;

    TSqlite3Query* Query1;
    TPanel* Panel1;   // header strip
    TPanel* Panel2;   // left margin with the labels
    TEdit* Edit1;     // "Név:"
    TBitBtn* BitBtn1; // "Rögzít"
    TBitBtn* BitBtn2; // "Bezár"

    virtual void FormShow(TObject* Sender);
    // Stores the row when it has a name, refreshes the opener, and closes in any case.
    virtual void BitBtn1Click(TObject* Sender) = 0;
    void BitBtn2Click(TObject* Sender);

protected:
    // A label in the left margin beside a box at Top.
    void AddMarginLabel(const String& Name, const String& Caption, Integer Top);
    // "Rögzít" of a dialog whose row is its name alone: an empty name closes the dialog storing
    // nothing; else the row InsertSql gives for the name is stored and the dialog closes as
    // stored (CloseAsStored), reading again the main window's List when Mode is 1.
    void StoreName(String (*InsertSql)(const String&), TSqlite3Table& (*List)(MainWindowShared&));
};

} // namespace app
