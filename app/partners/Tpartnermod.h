#pragma once
// The partner's change dialog: shows the partner PartnerId and stores into it the boxes the
// user changed; the main window's partner list is reopened afterwards.
#include "app/common/StoredText.h"
#include "app/partners/PartnerDialog.h"

class TLabel;

class Tpartnermod : public app::PartnerDialog {
public:
    explicit Tpartnermod(TComponent* AOwner);
    ~Tpartnermod() override;
    String ClassName() const override { return "Tpartnermod"; }

    // The partner to show and change; used only when at least 1.
    Integer PartnerId = 0;
    TLabel* Note; // beside the buttons: why a box keeps its stored text

    void FormShow(TObject* Sender) override;
    // Raises EConvertError "A kedvezmény mezőbe számot kell írni!" for a discount that
    // is no number; nothing is stored then and the dialog stays open.
    void BitBtn1Click(TObject* Sender) override;

private:
    app::StoredTextBoxes Texts; // the text boxes over their columns
    app::PartnerFields Shown;   // the boxes as this showing filled them
};

extern Tpartnermod* partnermod;
