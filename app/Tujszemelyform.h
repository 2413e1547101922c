#pragma once
// Adds a natural person to the register. Shown modally from the clients area; the
// persons list refreshes when the person is stored.
#include "app/PersonBoxes.h"
#include "platform/ui/TCustomForm.h"

class TBitBtn;
class TSqlite3Query;

class Tujszemelyform : public TForm {
public:
    explicit Tujszemelyform(TComponent* AOwner);
    ~Tujszemelyform() override;
    String ClassName() const override { return "Tujszemelyform"; }

    TSqlite3Query* Query1;
    // Edit1 "Név:", Edit2 "Születési név:", Edit3 "Születési hely:", DateTimePicker1
    // "Születési idő:", Edit4 "Lakcím:", Edit5 "Anyja neve:", Edit6 "Állampolgárság:",
    // Edit7 "Azonosító okirat típusa:", Edit8 "Azonosító okirat száma:", Edit9
    // "Tartózkodási hely:".
    app::PersonBoxes Boxes;
    TBitBtn* BitBtn1; // "Rögzít"
    TBitBtn* BitBtn2; // "Mégse"

    void FormShow(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
};

extern Tujszemelyform* ujszemelyform;
