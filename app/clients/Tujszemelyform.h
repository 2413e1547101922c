#pragma once
// Adds a natural person to the register. Shown modally from the clients area; the
// persons list refreshes when the person is stored.
#include "app/common/PersonBoxes.h"
#include "app/common/RecordDialog.h"

class Tujszemelyform : public app::RecordDialog {
public:
    explicit Tujszemelyform(TComponent* AOwner);
    ~Tujszemelyform() override;
    String ClassName() const override { return "Tujszemelyform"; }

    // Edit1 "Név:", Edit2 "Születési név:", Edit3 "Születési hely:", DateTimePicker1
    // "Születési idő:", Edit4 "Lakcím:", Edit5 "Anyja neve:", Edit6 "Állampolgárság:",
    // Edit7 "Azonosító okirat típusa:", Edit8 "Azonosító okirat száma:", Edit9
    // "Tartózkodási hely:".
    app::PersonBoxes Boxes;

    void FormShow(TObject* Sender) override;
    void BitBtn1Click(TObject* Sender) override;
};

extern Tujszemelyform* ujszemelyform;
