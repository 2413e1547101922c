// The work areas of the main window, stacked over the whole client area, each with
// its navigation column and its pages. The areas fill their pages in their own files.
#include "app/common/AreaLayout.h"
#include "app/main/TForm1.h"

#include "platform/ui/TPanel.h"

using app::MakeArea;
using app::MakeNavColumn;
using app::MakePage;

void TForm1::CreateAreas() {
    opencontainer = MakeArea(this, this, "opencontainer");

    ugycontainer = MakeArea(this, this, "ugycontainer");
    ugynav = MakeNavColumn(this, ugycontainer, "ugynav", "Ügyek");
    ugylistacontainer = MakePage(this, ugycontainer, "ugylistacontainer", "Ügy lista");
    ugykerescontainer = MakePage(this, ugycontainer, "ugykerescontainer", "Ügy keresés");

    ugyfelcontainer = MakeArea(this, this, "ugyfelcontainer");
    MakeNavColumn(this, ugyfelcontainer, "ugyfelnav", "Ügyfelek");
    szemelylista = MakePage(this, ugyfelcontainer, "szemelylista", "Ügyfelek, természetes személyek");
    szervezetlista = MakePage(this, ugyfelcontainer, "szervezetlista", "Ügyfelek, szervezetek");

    letetcontainer = MakeArea(this, this, "letetcontainer");
    MakeNavColumn(this, letetcontainer, "letetnav", "Letétek");
    letetlista = MakePage(this, letetcontainer, "letetlista", "Letét lista");
    letetkereses = MakePage(this, letetcontainer, "letetkereses", "Letét keresés");
    letetbeallitas = MakePage(this, letetcontainer, "letetbeallitas", "Letétek beállításai");

    partnercontainer = MakeArea(this, this, "partnercontainer");
    MakeNavColumn(this, partnercontainer, "partnernav", "Partnerek");
    partnerlist = MakePage(this, partnercontainer, "partnerlist", "Partnerlista");
    partnerkeres = MakePage(this, partnercontainer, "partnerkeres", "Partner keresés");

    iktatascontainer = MakeArea(this, this, "iktatascontainer");
    MakeNavColumn(this, iktatascontainer, "iktatasnav", "Iktatás");
    beerkezettlista = MakePage(this, iktatascontainer, "beerkezettlista", "Beérkezett küldemények");
    kimenolista = MakePage(this, iktatascontainer, "kimenolista", "Elküldött küldemények");
    iktatasbeallitas = MakePage(this, iktatascontainer, "iktatasbeallitas", "Iktatás beállítások");

    dokupanel = MakeArea(this, this, "dokupanel");
    MakeNavColumn(this, dokupanel, "dokunav", "Dokumentum-kezelés");
    MakePage(this, dokupanel, "dokupage", "Dokumentumkezelés");

    jubcontainer = MakeArea(this, this, "jubcontainer");
    MakeNavColumn(this, jubcontainer, "jubnav", "Ügyfél-azonosítás");
    jublista = MakePage(this, jubcontainer, "jublista", "JÜB listázás");
    jubbeallitas = MakePage(this, jubcontainer, "jubbeallitas", "JÜB beállítások");
}
