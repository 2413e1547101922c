#pragma once
// The layout both partner dialogs share: name, representative, address, three
// telephone numbers, two mobile numbers, fax, e-mail, web, discount and remark, with
// "Rögzít" and "Bezár". The dialogs differ only in what they read and store.
#include "app/partners/PartnerStatements.h"
#include "platform/ui/TCustomForm.h"

class TBitBtn;
class TEdit;
class TMemo;
class TSqlite3Query;

namespace app {

class PartnerDialog : public TForm {
public:
    PartnerDialog(TComponent* AOwner, const String& Name, const String& Caption);

    TSqlite3Query* Query1;
    TEdit* Edit1; // "Név:"
    TEdit* Edit2; // "Képviselő:"
    TEdit* Edit3; // "Cím:"
    TEdit* Edit4; // "Telefon:" 1-3
    TEdit* Edit5;
    TEdit* Edit6;
    TEdit* Edit7; // "Mobil:" 1-2
    TEdit* Edit8;
    TEdit* Edit9;     // "Fax:"
    TEdit* Edit10;    // "e-mail:"
    TEdit* Edit11;    // "Web:"
    TEdit* Edit12;    // "Kedvezmény:"
    TMemo* Memo1;     // "Megjegyzés:"
    TBitBtn* BitBtn1; // "Rögzít"
    TBitBtn* BitBtn2; // "Bezár"

    // What the boxes hold, and filling them.
    PartnerFields Fields() const;
    void SetFields(const PartnerFields& Value);

    virtual void FormShow(TObject* Sender) = 0;
    virtual void BitBtn1Click(TObject* Sender) = 0;
    void BitBtn2Click(TObject* Sender);
};

} // namespace app
