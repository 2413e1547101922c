// The registry lists' commands: the default lists, the filtered list, the reset of a
// filter strip, the record counters, the dates shown in the short date format,
// cancelling an item and the export.
#include "app/common/CloseAsStored.h"
#include "app/common/DigitBoxes.h"
#include "app/common/StoredDate.h"
#include "app/common/OfficeExport.h"
#include "app/common/QueryRun.h"
#include "app/registry/RegistryStatements.h"
#include "app/common/AreaLayout.h"
#include "app/common/MainWindowShared.h"
#include "app/registry/RegistryArea.h"
#include "app/common/ComboFill.h"
#include "app/registry/Tiktbe.h"
#include "app/registry/Tiktki.h"
#include "app/registry/TForm1RegistryParts.h"

#include "controls/buttons/TgxExtSpeedButton.h"
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

void ShowCounter(TLabel* Counter, TSqlite3Query* Query) {
    Counter->SetCaption(Query->Active() ? IntToStr(Query->RecNo()) + "/" + IntToStr(Query->RecordCount())
                                        : String());
}

// Hooks the counter and the date text to a list's dataset.
void WireList(TSqlite3Query* Query, TDataSource* Source, TLabel* Counter) {
    Query->AfterOpen = [Query](TDataSet*) { app::ShowStoredDates(*Query, {"datum"}); };
    Query->AfterClose = [Counter](TDataSet*) { Counter->SetCaption(""); };
    Source->OnDataChange = [Counter, Query](TObject*, TField*) { ShowCounter(Counter, Query); };
}

} // namespace

namespace app {

void ShowDefaultIncomingList(MainWindowShared& Form) {
    app::OpenStatement(*Form.Registry().iktlistaQuery1, app::RegistryDefaultListSql(RegistryBook::Incoming));
}

void ShowDefaultOutgoingList(MainWindowShared& Form) {
    app::OpenStatement(*Form.Registry().iktlistaQuery2, app::RegistryDefaultListSql(RegistryBook::Outgoing));
}

void ShowIncomingListPage(MainWindowShared& Form) {
    Form.beerkezettlista->BringToFront();
    ShowDefaultIncomingList(Form);
}

void ShowOutgoingListPage(MainWindowShared& Form) {
    Form.kimenolista->BringToFront();
    ShowDefaultOutgoingList(Form);
}

void Beerkezettlevelek1Click(MainWindowShared& Form, TObject*) {
    BringAreaToFront(Form.iktatascontainer, Form.beerkezettlista);
    app::ShowDefaultIncomingList(Form);
}

void Elkuldottlevelek1Click(MainWindowShared& Form, TObject*) {
    BringAreaToFront(Form.iktatascontainer, Form.kimenolista);
    app::ShowDefaultOutgoingList(Form);
}

void Beerkezoiktatas1Click(MainWindowShared& Form, TObject*) {
    BringAreaToFront(Form.iktatascontainer, Form.beerkezettlista);
    iktbe->ShowModal();
}

void Kimenoiktatas1Click(MainWindowShared& Form, TObject*) {
    BringAreaToFront(Form.iktatascontainer, Form.kimenolista);
    iktki->ShowModal();
}

void gxExtSpeedButton27Click(MainWindowShared& Form, TObject*) {
    TForm1RegistryParts& p = Form.Registry();
    RegistryFilter f;
    f.Text = p.Edit28->Text();
    f.InSubject = p.CheckBox12->Checked();
    f.InNote = p.CheckBox11->Checked();
    f.InReference = p.CheckBox9->Checked();
    f.YearFrom = p.Edit29->Text();
    f.YearTo = p.Edit30->Text();
    f.NumberFrom = p.Edit31->Text();
    f.NumberTo = p.Edit32->Text();
    f.PartnerId = ::ChosenKey(Form.ComboBox1, Form.Registry().PartnerIds);
    f.CaseId = ::ChosenKey(Form.ComboBox2, Form.CaseIds());
    f.ShowCancelled = p.CheckBox15->Checked();
    f.Sort = p.RadioButton10->Checked()   ? RegistrySort::ByPartner
             : p.RadioButton13->Checked() ? RegistrySort::BySubject
             : p.RadioButton14->Checked() ? RegistrySort::ByCase
                                          : RegistrySort::ByNumber;
    f.Descending = p.RadioButton12->Checked();
    app::OpenStatement(*p.iktlistaQuery1, app::RegistryFilterSql(RegistryBook::Incoming, f));
}

void gxExtSpeedButton31Click(MainWindowShared& Form, TObject*) {
    TForm1RegistryParts& p = Form.Registry();
    RegistryFilter f;
    f.Text = p.Edit33->Text();
    f.InSubject = p.CheckBox13->Checked();
    f.InNote = p.CheckBox10->Checked();
    f.InReference = p.CheckBox8->Checked();
    f.YearFrom = p.Edit34->Text();
    f.YearTo = p.Edit35->Text();
    f.NumberFrom = p.Edit36->Text();
    f.NumberTo = p.Edit37->Text();
    f.PartnerId = ::ChosenKey(Form.ComboBox3, Form.Registry().PartnerIds);
    f.CaseId = ::ChosenKey(Form.ComboBox4, Form.CaseIds());
    f.ShowCancelled = p.CheckBox16->Checked();
    f.Sort = p.RadioButton16->Checked()   ? RegistrySort::ByPartner
             : p.RadioButton17->Checked() ? RegistrySort::BySubject
             : p.RadioButton18->Checked() ? RegistrySort::ByCase
                                          : RegistrySort::ByNumber;
    f.Descending = p.RadioButton20->Checked();
    app::OpenStatement(*p.iktlistaQuery2, app::RegistryFilterSql(RegistryBook::Outgoing, f));
}

void gxExtSpeedButton24Click(MainWindowShared& Form, TObject*) {
    TForm1RegistryParts& p = Form.Registry();
    for (TComboBox* combo : {Form.ComboBox1, Form.ComboBox2})
        combo->SetItemIndex(-1);
    for (TEdit* edit : {p.Edit28, p.Edit29, p.Edit30, p.Edit31, p.Edit32})
        edit->SetText("");
    for (TCheckBox* box : {p.CheckBox12, p.CheckBox11, p.CheckBox9})
        box->SetChecked(true);
    p.CheckBox15->SetChecked(false);
    p.RadioButton9->SetChecked(true);
    p.RadioButton12->SetChecked(true);
}

void gxExtSpeedButton30Click(MainWindowShared& Form, TObject*) {
    TForm1RegistryParts& p = Form.Registry();
    for (TComboBox* combo : {Form.ComboBox3, Form.ComboBox4})
        combo->SetItemIndex(-1);
    for (TEdit* edit : {p.Edit33, p.Edit34, p.Edit35, p.Edit36, p.Edit37})
        edit->SetText("");
    for (TCheckBox* box : {p.CheckBox13, p.CheckBox10, p.CheckBox8})
        box->SetChecked(true);
    p.CheckBox16->SetChecked(false);
    p.RadioButton15->SetChecked(true);
    p.RadioButton20->SetChecked(true);
}

void CancelRegistryItem(MainWindowShared& Form, TSqlite3Query* Query, bool Incoming) {
    const Integer id = app::CurrentKey(*Query);
    if (id < 1) return;
    if (MessageBox(nullptr, "Valóban sztornózni akarja a bejegyzést?", "Figyelmeztetés!", 0x31) != IDOK)
        return;
    // An item another workstation deleted since the list was read is said, not cancelled silently.
    app::ExecUpdate(*Form.Query100,
                    app::RegistryCancelSql(Incoming ? RegistryBook::Incoming : RegistryBook::Outgoing, id));
    // Cancelled is cancelled: a list that cannot be read again does not ask for it once more.
    app::ReadAgainAsStored([Query] { app::Reopen(*Query); }, app::DeletedListNotReadAgainMessage);
}

// The registry partners of both filter strips, their keys in the area's parts.
void FillRegistryPartnerCombos(MainWindowShared& Form) {
    app::ShareKeyedNames(*Form.Query100,
                         "SELECT sorszam, nev FROM ikt_partner ORDER BY nev COLLATE systemnocase",
                         Form.Registry().PartnerIds, {Form.ComboBox1, Form.ComboBox3});
}

void WireRegistryLists(MainWindowShared& Form) {
    TForm1RegistryParts& p = Form.Registry();
    WireList(p.iktlistaQuery1, p.iktataslistaDataSource1, p.Label81);
    WireList(p.iktlistaQuery2, p.iktataslistaDataSource2, p.Label90);
    p.gxExtSpeedButton27->OnClick = [&Form](TObject* Sender) { app::gxExtSpeedButton27Click(Form, Sender); };
    p.gxExtSpeedButton31->OnClick = [&Form](TObject* Sender) { app::gxExtSpeedButton31Click(Form, Sender); };
    p.gxExtSpeedButton24->OnClick = [&Form](TObject* Sender) { app::gxExtSpeedButton24Click(Form, Sender); };
    p.gxExtSpeedButton30->OnClick = [&Form](TObject* Sender) { app::gxExtSpeedButton30Click(Form, Sender); };
    p.gxExtSpeedButton28->OnClick = [&Form](TObject*) {
        app::RunExport(*Form.SaveDialog1, *Form.Registry().iktlistXLS1);
    };
    p.gxExtSpeedButton32->OnClick = [&Form](TObject*) {
        app::RunExport(*Form.SaveDialog1, *Form.Registry().iktlistXLS2);
    };
    for (TEdit* edit : {p.Edit29, p.Edit30, p.Edit31, p.Edit32, p.Edit34, p.Edit35, p.Edit36, p.Edit37})
        app::AcceptDigitsOnly(edit);
}

} // namespace app
