#pragma once
// The new-case dialog: date, name and description of a case; optionally opens the
// new case's sheet straight away.
#include "platform/ui/TCustomForm.h"

class TBitBtn;
class TCheckBox;
class TDateTimePicker;
class TMemo;
class TSqlite3Query;

class Tujugy : public TForm {
public:
    explicit Tujugy(TComponent* AOwner);
    ~Tujugy() override;
    String ClassName() const override { return "Tujugy"; }

    TSqlite3Query* Query1;
    TDateTimePicker* DateTimePicker1; // "Dátum:"
    TMemo* Memo1;                     // "Név:"
    TMemo* Memo2;                     // "Leírás:"
    TCheckBox* CheckBox1;             // "Létrehozás után megnyitás"
    TBitBtn* BitBtn1;                 // "Rögzít"
    TBitBtn* BitBtn2;                 // "Mégse"

    void FormShow(TObject* Sender);
    // Stores the case when it has a name; otherwise does nothing and stays open.
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
};

extern Tujugy* ujugy;
