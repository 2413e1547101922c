#pragma once
// The frame the client dialogs share: a fixed dialog with its statement dataset,
// labelled rows one under the other, and "Rögzít" and "Mégse" below them ("Mégse"
// closes). The dialog adds its rows through Rows(), then calls PlaceButtons().
#include "app/common/DialogRows.h"
#include "platform/ui/TCustomForm.h"

class TBitBtn;
class TSqlite3Query;

namespace app {

class RecordDialog : public TForm {
public:
    TSqlite3Query* Query1;
    TBitBtn* BitBtn1; // "Rögzít"
    TBitBtn* BitBtn2; // "Mégse"

    virtual void FormShow(TObject* Sender) = 0;
    virtual void BitBtn1Click(TObject* Sender) = 0;
    void BitBtn2Click(TObject* Sender);

protected:
    RecordDialog(TComponent* AOwner, const String& Name, const String& Caption);
    DialogRows& Rows() { return FRows; }
    // Puts the buttons under the rows, sizes the form and binds the handlers.
    void PlaceButtons();

private:
    DialogRows FRows;
};

} // namespace app
