#include "app/cases/Tugyadatlap.h"

#include "app/common/CaseHistory.h"
#include "app/common/CloseAsStored.h"
#include "app/common/StoredDate.h"
#include "app/cases/CaseSaves.h"
#include "app/common/CaseSheetImages.h"
#include "app/common/Confirm.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowData.h"
#include "app/common/NewJubQuery.h"
#include "app/common/OfficeSettings.h"
#include "app/reports/Tugyitemfrf.h"
#include "app/cases/Tugyfelszemelymod.h"
#include "app/cases/Tugyujszemelyform.h"
#include "app/cases/Tugyujszervezetform.h"

#include "controls/buttons/TgxExtSpeedButton.h"
#include "grid/TVgDBGrid.h"
#include "platform/core/DateTime.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TStringField.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/SafeCall.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TOpenDialog.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TSpeedButton.h"
#include "platform/ui/VirtualKeys.h"
#include "sqlite/TSqlite3Query.h"

Tugyadatlap* ugyadatlap = nullptr;

namespace {

String Counter(TDataSet* DataSet) {
    return IntToStr(DataSet->RecNo()) + "/" + IntToStr(DataSet->RecordCount());
}

} // namespace

Tugyadatlap::Tugyadatlap(TComponent* AOwner) : TForm(AOwner) {
    SetName("ugyadatlap");
    SetCaption("Ügy");
    SetPosition(poScreenCenter);
    // The size comes first: controls anchored to the right keep their distance to the
    // edge they were placed against.
    SetBounds(0, 0, 744, 600);
    Constraints()->SetMinWidth(736);
    Constraints()->SetMinHeight(567);
    CreateData();
    CreateHeader();
    CreateEventPanel();
    CreateBottom();
    CreateBody();
    BindHandlers();
}

Tugyadatlap::~Tugyadatlap() {
    if (ugyadatlap == this) ugyadatlap = nullptr;
}

void Tugyadatlap::BindHandlers() {
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    OnActivate = [this](TObject* Sender) { FormActivate(Sender); };
    DataSource2->OnDataChange = [this](TObject* Sender, TField* Field) {
        DataSource2DataChange(Sender, Field);
    };
    DataSource3->OnDataChange = [this](TObject* Sender, TField* Field) {
        DataSource3DataChange(Sender, Field);
    };
    Query2datum->OnGetText = [this](TField* Sender, String& Text, bool DisplayText) {
        Query2datumGetText(Sender, Text, DisplayText);
    };
    VgDBGrid1->OnDrawColumnCell = [this](TObject* Sender, const TRect& Rect, Integer DataCol, TColumn* Column,
                                         TGridDrawState State) {
        VgDBGrid1DrawColumnCell(Sender, Rect, DataCol, Column, State);
    };
    VgDBGrid1->OnDblClick = [this](TObject* Sender) { VgDBGrid1DblClick(Sender); };
    gxExtSpeedButton8->OnClick = [this](TObject* Sender) { gxExtSpeedButton8Click(Sender); };
    CheckBox2->OnClick = [this](TObject* Sender) { CheckBox2Click(Sender); };
    SpeedButton3->OnClick = [this](TObject* Sender) { SpeedButton3Click(Sender); };
    Torles2->OnClick = [this](TObject* Sender) { Torles2Click(Sender); };
    Torles1->OnClick = [this](TObject* Sender) { Torles1Click(Sender); };
    JUB1->OnClick = [this](TObject* Sender) { JUB1Click(Sender); };
    Modositas1->OnClick = [this](TObject* Sender) { Modositas1Click(Sender); };
    gxExtSpeedButton3->OnClick = [this](TObject* Sender) { gxExtSpeedButton3Click(Sender); };
    gxExtSpeedButton4->OnClick = [this](TObject* Sender) { gxExtSpeedButton4Click(Sender); };
    gxExtSpeedButton1->OnClick = [this](TObject* Sender) { gxExtSpeedButton1Click(Sender); };
    gxExtSpeedButton2->OnClick = [this](TObject* Sender) { gxExtSpeedButton2Click(Sender); };
    // Escape closes the sheet as "Bezár" does, wherever the focus stands.
    SetKeyPreview(true);
    OnKeyDown = [this](TObject* Sender, Word& Key, TShiftState Shift) {
        if (Key != VK_ESCAPE || !Shift.Empty()) return;
        Key = 0;
        gxExtSpeedButton2Click(Sender);
    };
    Panel4->OnResize = [this](TObject* Sender) { Panel4Resize(Sender); };
}

void Tugyadatlap::OpenHeader() {
    // Nothing is written on a case whose header could not be read: the sheet shows it blank.
    SetWritable(false);
    app::OpenSingleRow(*Query1, app::CaseHeaderSql(CaseId));
    app::ShowStoredDates(*Query1, {"datum", "befejezve"});
    SetWritable(true);
}

void Tugyadatlap::SetWritable(bool Writable) {
    Panel2->SetEnabled(Writable);
    for (TMenuItem* item : {JUB1, Modositas1, Torles1, Torles2})
        item->SetEnabled(Writable);
}

void Tugyadatlap::DeleteAndReadAgain(const String& DeleteSql, TSqlite3Query& List) {
    app::ExecDelete(*Query4, DeleteSql);
    Query4->Close();
    // The list may keep showing the row: a second "Törlés" on it deletes nothing.
    app::ReadAgainAsStored([&List] { app::Reopen(List); }, app::DeletedListNotReadAgainMessage);
}

void Tugyadatlap::FormShow(TObject*) {
    DateTimePicker1->SetDate(Date());
    CheckBox1->SetChecked(false);
    OpenHeader();
    app::OpenStatement(*Query2, app::CaseHistorySql(CaseId));
    DateTimePicker1->SetDate(Date());
    Memo2->Clear();
}

void Tugyadatlap::FormActivate(TObject*) {
    // No command of the user's is running: the failure is shown here, and the sheet stays open.
    ui::SafeCall(this, [this] { app::ReadAgainAsStored([this] { ReadClients(); }, ClientsNotReadMessage); });
}

void Tugyadatlap::ReadClients(Integer RecNo) {
    const core::ScopeFail none([this] {
        Query3->Close();
        DataSource3DataChange(DataSource3, nullptr);
    });
    app::OpenStatement(*Query3, app::CaseClientsSql(CaseId));
    app::GoToRecord(*Query3, RecNo);
}

void Tugyadatlap::DataSource2DataChange(TObject*, TField*) {
    Label11->SetCaption(Counter(Query2));
    VgDBGrid1->Invalidate();
}

void Tugyadatlap::DataSource3DataChange(TObject*, TField*) {
    Label5->SetCaption(Counter(Query3));
}

void Tugyadatlap::Query2datumGetText(TField* Sender, String& Text, bool) {
    Text = app::StoredDate::Of(Sender).DisplayText();
}

void Tugyadatlap::VgDBGrid1DrawColumnCell(TObject*, const TRect& Rect, Integer DataCol, TColumn* Column,
                                          TGridDrawState) {
    if (DataCol != 1 || !Column->Field() || Column->Field()->AsString().empty()) return;
    // The picture stands for the path, which the cell would not have room for.
    TCanvas* canvas = VgDBGrid1->Canvas();
    canvas->FillRect(Rect);
    ImageList1->Draw(canvas, Rect.Left, Rect.Top, app::FileImage);
}

void Tugyadatlap::VgDBGrid1DblClick(TObject*) {
    TField* field = VgDBGrid1->SelectedField();
    if (!field || !Query2->Active() || Query2->IsEmpty()) return;
    const String file = Query2ufile->AsString();
    switch (app::HistoryDoubleClick(field->FieldName(), file)) {
    case app::HistoryClick::ShowNote:
        ShowMessage(Query2megjegyzes->AsString());
        break;
    case app::HistoryClick::OpenFile:
        app::OpenAttachedFile(*UtlStarter1, file);
        break;
    case app::HistoryClick::FileMissing:
        ShowMessage(app::FileMissingMessage);
        break;
    case app::HistoryClick::Nothing:
        break;
    }
}

void Tugyadatlap::gxExtSpeedButton8Click(TObject*) {
    app::CaseEventInput event;
    event.CaseId = CaseId;
    event.Date = DateTimePicker1->Date();
    event.File = Edit1->Text();
    event.Text = Memo2->Text();
    event.Keep = CheckBox2->Checked();
    event.Archive = CheckBox3->Checked();
    const bool closeCase = CheckBox1->Checked();
    const TDateTime today = Date();

    // Only a kept event that is stored takes a deadline; nothing else needs the period.
    const Integer years = event.Keep && app::HasEventContent(event)
                              ? app::DeadlineYears(app::Settings(app::MainWindow()), app::Retention::Document)
                              : 0;
    app::WriteCaseEvent(*Query4, event, years, closeCase, today);

    // The inputs empty only once everything is stored, so a failed write loses nothing,
    // and before the reading, so a second "Rögzít" stores nothing again whatever it meets.
    DateTimePicker1->SetDate(today);
    Edit1->Clear();
    Memo2->Clear();
    CheckBox1->SetChecked(false);
    app::ReadAgainAsStored([this, closeCase] {
        if (closeCase) OpenHeader(); // the header shows "lezárt"
        app::Reopen(*Query2);
    });
}

void Tugyadatlap::CheckBox2Click(TObject*) {
    CheckBox3->SetChecked(CheckBox2->Checked());
}

void Tugyadatlap::SpeedButton3Click(TObject*) {
    if (OpenDialog1->Execute()) Edit1->SetText(OpenDialog1->FileName());
}

void Tugyadatlap::Torles2Click(TObject*) {
    if (!Query2->Active() || Query2->IsEmpty()) return;
    if (!app::Confirm("Valóban törölni akarja a bejegyzést?")) return;
    DeleteAndReadAgain(app::DeleteHistoryEntrySql(static_cast<Integer>(Query2sorszam->AsInteger())), *Query2);
}

void Tugyadatlap::Torles1Click(TObject*) {
    if (!Query3->Active() || Query3->IsEmpty()) return;
    if (!app::Confirm("Valóban törölni akarja az ügyfelet?")) return;
    const String sql =
        app::DeleteCaseClientSql(static_cast<Integer>(Query3->FieldByName("tipus")->AsInteger()),
                                 static_cast<Integer>(Query3->FieldByName("sorszam")->AsInteger()));
    if (sql.empty()) {
        app::Reopen(*Query3);
        return;
    }
    DeleteAndReadAgain(sql, *Query3);
}

void Tugyadatlap::JUB1Click(TObject*) {
    if (!Query3->Active() || Query3->IsEmpty() || Query3->FieldByName("tipus")->AsInteger() != 1) return;
    if (SameText(Query3->FieldByName("jubok")->AsString(), "true")) return;
    app::OpenNewJubQuery(CaseId, static_cast<Integer>(Query3->FieldByName("sorszam")->AsInteger()));
}

// A person's copy in this case opens in the copy editor; organisations have none.
void Tugyadatlap::Modositas1Click(TObject*) {
    if (!Query3->Active() || Query3->IsEmpty() || Query3->FieldByName("tipus")->AsInteger() != 1) return;
    ugyfelszemelymod->RowId = static_cast<Integer>(Query3->FieldByName("sorszam")->AsInteger());
    ugyfelszemelymod->Mode = 2;
    ugyfelszemelymod->ShowModal();
}

// The attach dialogs open modally: a window opened beside the modal sheet would take
// no input here. The clients list refreshes when the sheet is active again.
void Tugyadatlap::gxExtSpeedButton3Click(TObject*) {
    ugyujszemelyform->CaseId = CaseId;
    ugyujszemelyform->ShowModal();
}

void Tugyadatlap::gxExtSpeedButton4Click(TObject*) {
    ugyujszervezetform->CaseId = CaseId;
    ugyujszervezetform->ShowModal();
}

void Tugyadatlap::gxExtSpeedButton1Click(TObject*) {
    if (ugyitemfrf) ugyitemfrf->PrintCaseSheet(CaseId);
}

void Tugyadatlap::gxExtSpeedButton2Click(TObject*) {
    Close();
}

void Tugyadatlap::Panel4Resize(TObject*) {
    Panel5->SetHeight(Panel4->Height() / 2);
    Panel6->SetWidth(Panel4->Width() / 2);
}
