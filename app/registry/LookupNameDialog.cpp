#include "app/registry/LookupNameDialog.h"

#include "app/common/AreaLayout.h"
#include "app/common/CloseAsStored.h"
#include "app/common/Form1.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowData.h"

#include "platform/graphics/TFont.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3Table.h"

namespace app {

namespace {

constexpr TColor MarginColor = 15990526; // pale cream
constexpr Integer MarginWidth = 84;
constexpr Integer HeaderHeight = 36;

} // namespace

LookupNameDialog::LookupNameDialog(TComponent* AOwner, const String& Name, const String& Caption,
                                   const String& Header, Integer ClientHeight)
    : TForm(AOwner) {
    SetUpDialog(this, Name, Caption, 380, ClientHeight);
    Query1 = MakeStatementQuery(this, "Query1", app::OfficeDatabase());
    Panel1 = MakeHeaderPanel(this, this, "Panel1", HeaderHeight);
    MakeLabel(this, Panel1, "Label3", Header, 12, 10);
    Panel2 = MakePanel(this, this, "Panel2", alLeft);
    Panel2->SetWidth(MarginWidth);
    Panel2->SetColor(MarginColor);
    AddMarginLabel("Label1", "Név:", HeaderHeight + 14);
    Edit1 = MakeEdit(this, this, "Edit1", MarginWidth + 10, HeaderHeight + 14, 270);
    BitBtn1 = MakeBitBtn(this, this, "BitBtn1", "Rögzít", 180, ClientHeight - 36);
    BitBtn2 = MakeBitBtn(this, this, "BitBtn2", "Bezár", 276, ClientHeight - 36);
    BitBtn2->SetCancel(true); // Escape does what this button does

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn2->OnClick = [this](TObject* Sender) { BitBtn2Click(Sender); };
}

void LookupNameDialog::AddMarginLabel(const String& Name, const String& Caption, Integer Top) {
    // The margin starts under the header strip.
    MakeLabel(this, Panel2, Name, Caption, 12, Top + 4 - HeaderHeight)->Font()->SetStyle({fsBold});
}

void LookupNameDialog::StoreName(String (*InsertSql)(const String&),
                                 TSqlite3Table& (*List)(MainWindowShared&)) {
    if (Edit1->Text().empty()) {
        Close();
        return;
    }
    ExecInsert(*Query1, InsertSql(Edit1->Text()));
    Query1->Close();
    CloseAsStored(*this, [this, List] {
        if (Mode == 1) Reopen(List(MainWindow()));
    });
}

void LookupNameDialog::FormShow(TObject*) {
    Edit1->SetText("");
}

void LookupNameDialog::BitBtn2Click(TObject*) {
    Close();
}

} // namespace app
