#pragma once
// A picture of the start page, drawn in code so it stays sharp at any window size.
// It behaves as a picture control: it paints and answers clicks.
#include "platform/ui/TGraphicControl.h"

namespace app {

enum class Art {
    StartPicture,   // the start page's main picture
    Persons,        // clients
    Cases,          // case list
    Documents,      // document handling
    Deposits,       // deposits
    Partners,       // partners
    Identification, // client identification
    Scales,         // the column's lower picture
    Badge           // the identification badge on the main picture
};

class ArtImage : public TGraphicControl {
public:
    ArtImage(TComponent* AOwner, Art Kind);
    String ClassName() const override { return "TImage"; }
    Art Kind() const { return FKind; }

protected:
    void Paint() override;

private:
    Art FKind;
};

// Draws Kind filling Rect on Canvas; the area tiles carry their area's name.
void DrawArt(TCanvas* Canvas, const TRect& Rect, Art Kind);

} // namespace app
