#include "app/identification/Tujjub.h"

#include "app/common/CloseAsStored.h"
#include "app/common/FormControls.h"
#include "app/identification/JubStatements.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowData.h"
#include "app/common/NewJubQuery.h"
#include "app/common/OfficeSettings.h"
#include "app/reports/Tletetfrf.h"
#include "app/cases/Tugyadatlap.h"

#include "platform/core/DateTime.h"
#include "platform/core/NumberFormat.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "sqlite/TSqlite3Query.h"

Tujjub* ujjub = nullptr;

Tujjub::Tujjub(TComponent* AOwner) : app::JubDialog(AOwner, "ujjub", "JÜB", "Új JÜB lekérdezés") {
    app::DialogRows& rows = Rows();
    Edit1 = rows.AddEditRow("Edit1", "Lekérdezés száma:", 64);
    Edit2 = rows.AddEditRow("Edit2", "Név:", 128);
    // Neither is stored: the number is composed, the person is the register's.
    for (TEdit* fixed : {Edit1, Edit2}) {
        fixed->SetReadOnly(true);
        fixed->SetTabStop(false);
        fixed->SetColor(clBtnFace);
    }
    Edit3 = rows.AddEditRow("Edit3", "Személyi igazolvány száma:", 32);
    Edit4 = rows.AddEditRow("Edit4", "Személyi azonosító:", 32);
    const Integer dateTop = rows.AddRow("DateTimePicker1", "Dátum:", app::EditHeight);
    DateTimePicker1 = app::MakeDatePicker(this, this, "DateTimePicker1", InputLeft, dateTop, 110);
    Edit5 = FinishRows("Edit5");
}

Tujjub::~Tujjub() {
    if (ujjub == this) ujjub = nullptr;
}

void app::OpenNewJubQuery(Integer CaseId, Integer CaseClientRowId) {
    ujjub->CaseId = CaseId;
    ujjub->CaseClientRowId = CaseClientRowId;
    ujjub->ShowModal();
}

void Tujjub::FormShow(TObject*) {
    FStored = false;
    BitBtn1->SetEnabled(true);
    Edit3->Clear();
    Edit4->Clear();
    Edit5->Clear();
    DateTimePicker1->SetDate(Date());
    CheckBox1->SetChecked(false);
    const app::NewJub jub =
        app::ReadNewJub(*Query1, CaseId, CaseClientRowId, app::Settings(app::MainWindow()).ChamberId);
    ClientId = jub.ClientId;
    Edit2->SetText(jub.Name);
    Edit3->SetText(jub.CardNumber);
    Serial = IntToStr(jub.Serial);
    Edit1->SetText(jub.Number);
    Query2->Close();
    OpenPerson();
}

void Tujjub::BitBtn1Click(TObject*) {
    if (FStored) return;
    app::JubInput input;
    input.ClientId = ClientId;
    input.CaseId = CaseId;
    input.Serial = StrToInt(Serial);
    input.Date = DateTimePicker1->Date();
    input.Number = Edit1->Text();
    input.File = Edit5->Text();
    input.CardNumber = Edit3->Text();
    input.PersonalId = Edit4->Text();
    input.Succeeded = CheckBox1->Checked();
    const String problem = app::JubInputProblem(input);
    if (!problem.empty()) {
        ShowMessage(problem);
        return;
    }
    const Integer years = app::DeadlineYears(app::Settings(app::MainWindow()), app::Retention::Jub);
    try {
        app::StoreJub(*Query1, input, years);
    } catch (const app::EJubSerialTaken& taken) {
        // The user saves, and prints the declaration, with the number that is free now.
        Serial = IntToStr(taken.Serial);
        Edit1->SetText(taken.Number);
        ShowMessage(taken.Message());
        return;
    }
    FStored = true;
    BitBtn1->SetEnabled(false);
    if (!input.Succeeded || !ugyadatlap) return;
    app::ReadAgainAsStored([] {
        TSqlite3Query& clients = *ugyadatlap->Query3;
        ugyadatlap->ReadClients(clients.Active() ? clients.RecNo() : 0);
    });
}

TrpReport* Tujjub::DeclarationReport() const {
    return letetfrf ? letetfrf->rpReport14 : nullptr;
}
