// The case search's export: "Exportálás" asks for a file name and writes the
// search result to a spreadsheet file through ToXLS1.
#include "app/common/AreaLayout.h"
#include "app/common/OfficeExport.h"
#include "app/main/TForm1.h"

#include "controls/TgxExtSpeedButton.h"
#include "export/TVgExportToXLS.h"
#include "export/VgEColumns.h"
#include "platform/ui/TSaveDialog.h"
#include "sqlite/TSqlite3Query.h"

void TForm1::CreateCaseExport(TWinControl* TitleStrip) {
    // The page's actions sit at the right end of its title strip, clear of the filters.
    gxExtSpeedButton10 = app::MakeToolButton(this, TitleStrip, "gxExtSpeedButton10", "Exportálás",
                                             TitleStrip->Width() - 104, 3, 84);
    gxExtSpeedButton10->SetAnchors(TAnchors{akTop, akRight});
    gxExtSpeedButton10->OnClick = [this](TObject* Sender) { gxExtSpeedButton10Click(Sender); };

    SaveDialog1 = app::MakeXlsSaveDialog(this, "SaveDialog1");

    ToXLS1 = new TVgExportToXLS(this);
    ToXLS1->SetName("ToXLS1");
    ToXLS1->SetColumnSource(csDataSet);
    ToXLS1->SetDataSet(Query5);
    ToXLS1->SetAnimatedStatus(true);
    ToXLS1->SetAddTitle(false);
    ToXLS1->SetCharacterSet(csANSI_WINDOWS);
    app::SetOfficeDataFormats(ToXLS1->DataFormats());
    struct Column {
        const char* Field;
        const char* Title;
        TCellType Type;
    };
    for (const Column& c : {Column{"ev", "Év", ctInteger}, Column{"szam", "Szám", ctInteger},
                            Column{"statusz", "Státusz", ctString}, Column{"nev", "Név", ctMEMO},
                            Column{"leiras", "Leírás", ctMEMO}}) {
        TVgEColumn* column = ToXLS1->Columns()->Add();
        column->SetFieldName(c.Field);
        column->Title()->SetCaption(c.Title);
        column->SetDataType(c.Type);
    }
}

void TForm1::gxExtSpeedButton10Click(TObject*) {
    if (!Query5->Active() || Query5->RecordCount() < 1) return;
    app::RunExport(*SaveDialog1, *ToXLS1);
}
