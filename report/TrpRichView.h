#pragma once
// The rich-text view: an add-in object (class name "TrpRichView") holding
// formatted text as RTF. This file holds its stored record; the RTF is kept
// as the bytes the template carries.
#include "report/TrpView.h"

class TrpRichView : public TrpStretcheable {
public:
    TrpRichView();
    String ClassName() const override { return "TrpRichView"; }

    // The base fields, then the RTF.
    void Assign(TrpView* View) override;
    void Draw(TCanvas* ACanvas) override;
    // The common record, then byte 1 when there is text (else 0), int32 end
    // position (checked as for pictures) and the RTF.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;

    Integer CalcHeight() override { return Height; }
    Integer MinHeight() override { return 8; }
    Integer RemainHeight() override { return 0; }

    Integer StartChar = 0;
    Integer CharTo = 0;
    Integer CharFrom = 0;
    // The rich text in RTF, bytes as stored.
    std::string RichText;
};

// Registers the rich-text view as an add-in object.
void rpRegisterRichView();
