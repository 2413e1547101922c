// The registry lists' commands: the default lists, the filtered list, the reset of a
// filter strip, the record counters, the dates shown in the short date format,
// cancelling an item and the export.
#include "app/common/DigitBoxes.h"
#include "app/common/FieldValues.h"
#include "app/common/OfficeExport.h"
#include "app/common/QueryRun.h"
#include "app/registry/RegistryStatements.h"
#include "app/main/TForm1.h"
#include "app/registry/Tiktbe.h"
#include "app/registry/Tiktki.h"

#include "controls/TgxExtSpeedButton.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"
#include "sqlite/TSqlite3Query.h"

using app::RegistryBook;
using app::RegistryFilter;
using app::RegistrySort;

namespace {

// The key behind a combo's chosen item, none when nothing is chosen.
std::optional<Integer> ChosenKey(TComboBox* Combo, const std::vector<Integer>& Keys) {
    const Integer index = Combo->ItemIndex();
    if (index < 0 || index >= static_cast<Integer>(Keys.size())) return std::nullopt;
    return Keys[static_cast<std::size_t>(index)];
}

// The stored "yyyy-mm-dd" in the short date format; a text that is no date shows as stored.
void DateText(TField* Sender, String& Text, bool) {
    try {
        const auto date = app::FieldDate(Sender);
        Text = date ? DateToStr(*date) : String();
    } catch (const EConvertError&) {
        Text = Sender->AsString();
    }
}

void ShowCounter(TLabel* Counter, TSqlite3Query* Query) {
    Counter->SetCaption(Query->Active() ? IntToStr(Query->RecNo()) + "/" + IntToStr(Query->RecordCount())
                                        : String());
}

// Hooks the counter and the date text to a list's dataset.
void WireList(TSqlite3Query* Query, TDataSource* Source, TLabel* Counter) {
    Query->AfterOpen = [Query](TDataSet*) {
        if (TField* date = Query->FindField("datum")) date->OnGetText = DateText;
    };
    Query->AfterClose = [Counter](TDataSet*) { Counter->SetCaption(""); };
    Source->OnDataChange = [Counter, Query](TObject*, TField*) { ShowCounter(Counter, Query); };
}

} // namespace

void TForm1::ShowDefaultIncomingList() {
    app::OpenStatement(*iktlistaQuery1, app::RegistryDefaultListSql(RegistryBook::Incoming));
}

void TForm1::ShowDefaultOutgoingList() {
    app::OpenStatement(*iktlistaQuery2, app::RegistryDefaultListSql(RegistryBook::Outgoing));
}

void TForm1::Beerkezettlevelek1Click(TObject*) {
    BringAreaToFront(iktatascontainer, beerkezettlista);
    ShowDefaultIncomingList();
}

void TForm1::Elkuldottlevelek1Click(TObject*) {
    BringAreaToFront(iktatascontainer, kimenolista);
    ShowDefaultOutgoingList();
}

void TForm1::Beerkezoiktatas1Click(TObject*) {
    BringAreaToFront(iktatascontainer, beerkezettlista);
    iktbe->ShowModal();
}

void TForm1::Kimenoiktatas1Click(TObject*) {
    BringAreaToFront(iktatascontainer, kimenolista);
    iktki->ShowModal();
}

void TForm1::gxExtSpeedButton27Click(TObject*) {
    RegistryFilter f;
    f.Text = Edit28->Text();
    f.InSubject = CheckBox12->Checked();
    f.InNote = CheckBox11->Checked();
    f.InReference = CheckBox9->Checked();
    f.YearFrom = Edit29->Text();
    f.YearTo = Edit30->Text();
    f.NumberFrom = Edit31->Text();
    f.NumberTo = Edit32->Text();
    f.PartnerId = ChosenKey(ComboBox1, FRegistryPartnerIds);
    f.CaseId = ChosenKey(ComboBox2, FCaseIds);
    f.ShowCancelled = CheckBox15->Checked();
    f.Sort = RadioButton10->Checked()   ? RegistrySort::ByPartner
             : RadioButton13->Checked() ? RegistrySort::BySubject
             : RadioButton14->Checked() ? RegistrySort::ByCase
                                        : RegistrySort::ByNumber;
    f.Descending = RadioButton12->Checked();
    app::OpenStatement(*iktlistaQuery1, app::RegistryFilterSql(RegistryBook::Incoming, f));
}

void TForm1::gxExtSpeedButton31Click(TObject*) {
    RegistryFilter f;
    f.Text = Edit33->Text();
    f.InSubject = CheckBox13->Checked();
    f.InNote = CheckBox10->Checked();
    f.InReference = CheckBox8->Checked();
    f.YearFrom = Edit34->Text();
    f.YearTo = Edit35->Text();
    f.NumberFrom = Edit36->Text();
    f.NumberTo = Edit37->Text();
    f.PartnerId = ChosenKey(ComboBox3, FRegistryPartnerIds);
    f.CaseId = ChosenKey(ComboBox4, FCaseIds);
    f.ShowCancelled = CheckBox16->Checked();
    f.Sort = RadioButton16->Checked()   ? RegistrySort::ByPartner
             : RadioButton17->Checked() ? RegistrySort::BySubject
             : RadioButton18->Checked() ? RegistrySort::ByCase
                                        : RegistrySort::ByNumber;
    f.Descending = RadioButton20->Checked();
    app::OpenStatement(*iktlistaQuery2, app::RegistryFilterSql(RegistryBook::Outgoing, f));
}

void TForm1::gxExtSpeedButton24Click(TObject*) {
    for (TComboBox* combo : {ComboBox1, ComboBox2})
        combo->SetItemIndex(-1);
    for (TEdit* edit : {Edit28, Edit29, Edit30, Edit31, Edit32})
        edit->SetText("");
    for (TCheckBox* box : {CheckBox12, CheckBox11, CheckBox9})
        box->SetChecked(true);
    CheckBox15->SetChecked(false);
    RadioButton9->SetChecked(true);
    RadioButton12->SetChecked(true);
}

void TForm1::gxExtSpeedButton30Click(TObject*) {
    for (TComboBox* combo : {ComboBox3, ComboBox4})
        combo->SetItemIndex(-1);
    for (TEdit* edit : {Edit33, Edit34, Edit35, Edit36, Edit37})
        edit->SetText("");
    for (TCheckBox* box : {CheckBox13, CheckBox10, CheckBox8})
        box->SetChecked(true);
    CheckBox16->SetChecked(false);
    RadioButton15->SetChecked(true);
    RadioButton20->SetChecked(true);
}

void TForm1::CancelRegistryItem(TSqlite3Query* Query, bool Incoming) {
    const Integer id = app::CurrentKey(*Query);
    if (id < 1) return;
    if (MessageBox(nullptr, "Valóban sztornózni akarja a bejegyzést?", "Figyelmeztetés!", 0x31) != IDOK)
        return;
    app::OpenStatement(
        *Query100, app::RegistryCancelSql(Incoming ? RegistryBook::Incoming : RegistryBook::Outgoing, id));
    Query100->Close();
    app::Reopen(*Query);
}

void TForm1::WireRegistryLists() {
    WireList(iktlistaQuery1, iktataslistaDataSource1, Label81);
    WireList(iktlistaQuery2, iktataslistaDataSource2, Label90);
    gxExtSpeedButton27->OnClick = [this](TObject* Sender) { gxExtSpeedButton27Click(Sender); };
    gxExtSpeedButton31->OnClick = [this](TObject* Sender) { gxExtSpeedButton31Click(Sender); };
    gxExtSpeedButton24->OnClick = [this](TObject* Sender) { gxExtSpeedButton24Click(Sender); };
    gxExtSpeedButton30->OnClick = [this](TObject* Sender) { gxExtSpeedButton30Click(Sender); };
    gxExtSpeedButton28->OnClick = [this](TObject*) { app::RunExport(*SaveDialog1, *iktlistXLS1); };
    gxExtSpeedButton32->OnClick = [this](TObject*) { app::RunExport(*SaveDialog1, *iktlistXLS2); };
    for (TEdit* edit : {Edit29, Edit30, Edit31, Edit32, Edit34, Edit35, Edit36, Edit37})
        app::AcceptDigitsOnly(edit);
}
