// The case search's export: "Exportálás" asks for a file name and writes the
// search result to a spreadsheet file through ToXLS1.
#include "app/common/AreaLayout.h"
#include "app/common/OfficeExport.h"
#include "app/common/MainWindowShared.h"
#include "app/cases/CaseArea.h"
#include "app/cases/TForm1CaseParts.h"

#include "controls/buttons/TgxExtSpeedButton.h"
#include "export/TVgExportToXLS.h"
#include "export/VgEColumns.h"
#include "platform/ui/TSaveDialog.h"
#include "sqlite/TSqlite3Query.h"

namespace app {

void CreateCaseExport(MainWindowShared& Form, TWinControl* TitleStrip) {
    TForm1CaseParts& p = Form.Cases();
    // The page's actions sit at the right end of its title strip, clear of the filters.
    p.gxExtSpeedButton10 = app::MakeToolButton(&Form, TitleStrip, "gxExtSpeedButton10", "Exportálás",
                                               TitleStrip->Width() - 104, 3, 84);
    p.gxExtSpeedButton10->SetAnchors(TAnchors{akTop, akRight});
    p.gxExtSpeedButton10->OnClick = [&Form](TObject* Sender) { app::gxExtSpeedButton10Click(Form, Sender); };

    Form.SaveDialog1 = app::MakeXlsSaveDialog(&Form, "SaveDialog1");

    p.ToXLS1 = new TVgExportToXLS(&Form);
    p.ToXLS1->SetName("ToXLS1");
    p.ToXLS1->SetColumnSource(csDataSet);
    p.ToXLS1->SetDataSet(Form.Query5);
    p.ToXLS1->SetAnimatedStatus(true);
    p.ToXLS1->SetAddTitle(false);
    p.ToXLS1->SetCharacterSet(csANSI_WINDOWS);
    app::SetOfficeDataFormats(p.ToXLS1->DataFormats());
    struct Column {
        const char* Field;
        const char* Title;
        TCellType Type;
    };
    for (const Column& c : {Column{"ev", "Év", ctInteger}, Column{"szam", "Szám", ctInteger},
                            Column{"statusz", "Státusz", ctString}, Column{"nev", "Név", ctMEMO},
                            Column{"leiras", "Leírás", ctMEMO}}) {
        TVgEColumn* column = p.ToXLS1->Columns()->Add();
        column->SetFieldName(c.Field);
        column->Title()->SetCaption(c.Title);
        column->SetDataType(c.Type);
    }
}

void gxExtSpeedButton10Click(MainWindowShared& Form, TObject*) {
    if (!Form.Query5->Active() || Form.Query5->RecordCount() < 1) return;
    app::RunExport(*Form.SaveDialog1, *Form.Cases().ToXLS1);
}

} // namespace app
