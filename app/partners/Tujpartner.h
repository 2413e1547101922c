#pragma once
// The new-partner dialog: empty boxes on show; "Rögzít" stores a partner with a name
// and reopens the main window's partner list.
#include "app/partners/PartnerDialog.h"

class Tujpartner : public app::PartnerDialog {
public:
    explicit Tujpartner(TComponent* AOwner);
    ~Tujpartner() override;
    String ClassName() const override { return "Tujpartner"; }

    void FormShow(TObject* Sender) override;
    // Without a name shows "A név mező kötelezően kitöltendő!" and stays open; a
    // discount that is no number raises EConvertError "A kedvezmény mezőbe számot
    // kell írni!" and nothing is stored.
    void BitBtn1Click(TObject* Sender) override;
};

extern Tujpartner* ujpartner;
