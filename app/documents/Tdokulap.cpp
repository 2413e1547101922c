#include "app/documents/Tdokulap.h"

#include "app/common/CloseAsStored.h"
#include "app/common/AreaLayout.h"
#include "app/common/ChangedValues.h"
#include "app/documents/DocumentStatements.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/common/SqlRoutines.h"
#include "app/documents/DocumentArea.h"
#include "app/common/MainWindowData.h"
#include "app/common/OfficeSettings.h"

#include "platform/core/DateTime.h"
#include "platform/data/TDataSource.h"
#include "platform/graphics/TFont.h"
#include "platform/data/TField.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "sqlite/TSqlite3Query.h"

Tdokulap* dokulap = nullptr;

Tdokulap::Tdokulap(TComponent* AOwner) : TForm(AOwner) {
    app::SetUpDialog(this, "dokulap", "Dokumentum paraméterek", 440, 250);
    TSqlite3DB* db = app::OfficeDatabase();
    Query1 = app::MakeStatementQuery(this, "Query1", db);
    // Dates as stored text: offices' existing databases hold '' for no date.
    Query1->SetTypeLess(true);
    Query2 = app::MakeStatementQuery(this, "Query2", db);
    DataSource1 = new TDataSource(this);
    DataSource1->SetName("DataSource1");
    DataSource1->SetDataSet(Query1);

    TPanel* header = app::MakeHeaderPanel(this, this, "Panel1", 64);
    app::MakeDBText(this, header, "DBText1", DataSource1, "dokuszam", 12, 8, 120);
    app::MakeDBText(this, header, "DBText2", DataSource1, "ugynev", 136, 8, 292);
    TDBText* file = app::MakeDBText(this, header, "DBText3", DataSource1, "ufile", 12, 36, 416);
    file->Font()->SetHeight(-11);
    file->Font()->SetStyle({});

    app::MakeFieldLabel(this, this, "Label1", "Dátum:", 112, 76);
    app::MakeDBText(this, this, "DBText4", DataSource1, "datum", 120, 80, 300);
    app::MakeFieldLabel(this, this, "Label2", "Megjegyzés:", 112, 98);
    app::MakeDBText(this, this, "DBText5", DataSource1, "megjegyzes", 120, 102, 300);
    CheckBox1 = app::MakeCheckBox(this, this, "CheckBox1", "Őrzendő", 120, 132, 100);
    CheckBox2 = app::MakeCheckBox(this, this, "CheckBox2", "Archiválandó", 230, 132, 120);
    app::MakeFieldLabel(this, this, "Label3", "Őrzési határidő:", 112, 160);
    DateTimePicker1 = app::MakeDatePicker(this, this, "DateTimePicker1", 120, 160, 120);
    DateTimePicker1->SetChecked(false);
    Deadline = app::StoredDatePicker(this, DateTimePicker1);
    Keep = app::StoredFlagBox(CheckBox1);
    Archive = app::StoredFlagBox(CheckBox2);
    BitBtn1 = app::MakeBitBtn(this, this, "BitBtn1", "Rögzít", 238, 212);
    BitBtn2 = app::MakeBitBtn(this, this, "BitBtn2", "Bezár", 334, 212);
    BitBtn2->SetCancel(true); // Escape does what this button does

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    CheckBox1->OnClick = [this](TObject* Sender) { CheckBox1Click(Sender); };
    DateTimePicker1->OnChange = [this](TObject* Sender) { DateTimePicker1Change(Sender); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn2->OnClick = [this](TObject*) { Close(); };
}

Tdokulap::~Tdokulap() {
    if (dokulap == this) dokulap = nullptr;
}

void Tdokulap::FormShow(TObject*) {
    CheckBox1->SetChecked(false);
    CheckBox2->SetChecked(false);
    // The dialog is made once: without a retention period the last entry's date would
    // stand in the picker and be stored for this one.
    DateTimePicker1->SetDate(Date());
    FProposed = false;
    app::OpenStatement(*Query1, app::DocumentSql(ItemId));
    const app::StoredDate deadline = app::StoredDate::Of(Query1->FieldByName("orzesi_hatarido"));
    // The stored deadline is saved as it is unless the picker changes, by the user or by the
    // proposal for a kept entry that has none.
    Deadline.Keep(deadline);
    const bool keep = Query1->FieldByName("orzendo")->AsString() == "1";
    Keep.Show(keep);
    if (keep && !deadline.IsEmpty()) {
        Deadline.Show(deadline, DateTimePicker1->Date());
        FProposed = false;
    }
    Archive.Show(Query1->FieldByName("archivalando")->AsString() == "1");
}

void Tdokulap::CheckBox1Click(TObject*) {
    if (CheckBox1->Checked()) {
        const Integer years = Form1 ? app::Settings(app::MainWindow()).DocRetentionYears : 0;
        if (years > 0) DateTimePicker1->SetDate(AddYears(Date(), years));
        DateTimePicker1->SetChecked(true);
    } else {
        DateTimePicker1->SetChecked(false);
    }
    FProposed = CheckBox1->Checked();
}

void Tdokulap::DateTimePicker1Change(TObject*) {
    // A date the user sets is the user's; checking "Őrzendő" now proposes one again.
    FProposed = false;
    if (DateTimePicker1->Checked()) CheckBox1->SetChecked(true);
}

void Tdokulap::BitBtn1Click(TObject*) {
    // Raises when the proposal would come from a retention period the start could not read.
    if (FProposed && DateTimePicker1->Checked() && Form1)
        app::DeadlineYears(app::Settings(app::MainWindow()), app::Retention::Document);
    app::ChangedValues values;
    Keep.AddTo(values, "orzendo");
    Archive.AddTo(values, "archivalando");
    Deadline.AddTo(values, "orzesi_hatarido");
    app::ExecUpdate(*Query2, values.UpdateSql("ugyitem", ItemId));
    app::CloseAsStored(*this, [] { app::ReopenDocumentList(app::MainWindow()); });
}
