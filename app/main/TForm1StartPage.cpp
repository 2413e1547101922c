// The start page: the office picture with the user line at its foot, and the column
// of area pictures that lead into the work areas.
#include "app/common/AreaLayout.h"
#include "app/common/ArtImage.h"
#include "controls/buttons/ButtonLooks.h"
#include "app/main/TForm1.h"

#include "platform/graphics/TFont.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"

using app::Art;
using app::ArtImage;

namespace {

constexpr Integer ColumnWidth = 180;
constexpr Integer TileHeight = 50;

ArtImage* MakeArt(TForm1* Form, TWinControl* Parent, const String& Name, Art Kind, const TRect& Bounds,
                  const String& Hint = String()) {
    auto* image = new ArtImage(Form, Kind);
    image->SetName(Name);
    image->SetParent(Parent);
    image->SetBoundsRect(Bounds);
    if (!Hint.empty()) {
        image->SetCursor(crHandPoint);
        image->SetHint(Hint);
        image->SetShowHint(true);
    }
    return image;
}

} // namespace

void TForm1::CreateStartPage() {
    Panel41 = app::MakePanel(this, opencontainer, "Panel41", alLeft);
    Panel41->SetWidth(ColumnWidth);
    Panel41->SetColor(looks::HouseBlue);
    openpanel = app::MakePanel(this, opencontainer, "openpanel", alClient);

    Label15 = new TLabel(this);
    Label15->SetName("Label15");
    Label15->SetParent(openpanel);
    Label15->SetAutoSize(false);
    Label15->SetHeight(24);
    Label15->SetAlign(alBottom);
    Label15->SetAlignment(taCenter);
    Label15->SetWordWrap(true);
    Label15->Font()->SetColor(clGray);
    Label15->SetCaption("");
    Image1 = MakeArt(this, openpanel, "Image1", Art::StartPicture, Rect(0, 0, 600, 480));
    Image1->SetAlign(alClient);

    // Each picture runs its menu command; the menus are made after the start page.
    struct Tile {
        ArtImage*& Image;
        const char* Name;
        Art Kind;
        const char* Hint;
        TMenuItem* TForm1::*Command;
    };
    const Tile tiles[] = {
        {Image8, "Image8", Art::Persons, "Természetes személyek", &TForm1::Termeszetesszemelyek1},
        {Image9, "Image9", Art::Cases, "Ügy lista", &TForm1::Ugylista1},
        {Image12, "Image12", Art::Documents, "Dokumentumkezelés", &TForm1::Dokumentumkezeles2},
        {Image13, "Image13", Art::Deposits, "Letét lista", &TForm1::Letetlista1},
        {Image14, "Image14", Art::Partners, "Partnerlista", &TForm1::Partnerlista1},
        {Image15, "Image15", Art::Identification, "JÜB", &TForm1::JUB1},
    };
    Integer top = 16;
    for (const Tile& tile : tiles) {
        tile.Image = MakeArt(this, Panel41, tile.Name, tile.Kind,
                             Rect(10, top, ColumnWidth - 10, top + TileHeight), tile.Hint);
        const auto command = tile.Command;
        tile.Image->OnClick = [this, command](TObject*) { (this->*command)->Click(); };
        top += TileHeight + 8;
    }
    Image18 =
        MakeArt(this, Panel41, "Image18", Art::Badge, Rect(10, top + 4, ColumnWidth - 10, top + 34), "JÜB");
    Image18->OnClick = [this](TObject*) { JUB1->Click(); };
    Image16 = MakeArt(this, Panel41, "Image16", Art::Scales, Rect(40, top + 56, ColumnWidth - 40, top + 156));
}
