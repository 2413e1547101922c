#pragma once
// The documents' settings: the default retention period in years that the case sheet and
// the document dialog propose. A change applies from the next start.
#include "platform/ui/TCustomForm.h"

class TBitBtn;
class TEdit;
class TSqlite3Query;

class Tdokusetform : public TForm {
public:
    explicit Tdokusetform(TComponent* AOwner);
    ~Tdokusetform() override;
    String ClassName() const override { return "Tdokusetform"; }

    TSqlite3Query* Query1;
    TEdit* Edit1;     // "Alapértelmezett őrzési határidő:", whole years
    TBitBtn* BitBtn1; // "Rögzít"
    TBitBtn* BitBtn2; // "Bezár"

    void FormShow(TObject* Sender);
    // Replaces the stored period (an empty box removes it) when the user changed the box
    // since the show or the last save; stays open.
    void BitBtn1Click(TObject* Sender);

private:
    String FShown; // the period as the box showed it or last stored it
};

extern Tdokusetform* dokusetform;
