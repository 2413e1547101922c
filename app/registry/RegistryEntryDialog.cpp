#include "app/registry/RegistryEntryDialog.h"

#include "app/common/CloseAsStored.h"
#include "app/common/AreaLayout.h"
#include "app/common/ComboFill.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowData.h"

#include "platform/core/DateTime.h"
#include "platform/core/TStrings.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

#include <algorithm>

namespace app {

namespace {

constexpr Integer LabelRight = 96;
constexpr Integer BoxLeft = 104;
constexpr Integer BoxWidth = 330;

TComboBox* MakeCombo(TComponent* Owner, TWinControl* Parent, const String& Name, Integer Top, Integer Width,
                     TComboBoxStyle Style) {
    auto* combo = new TComboBox(Owner);
    combo->SetName(Name);
    combo->SetParent(Parent);
    combo->SetBounds(BoxLeft, Top, Width, EditHeight);
    combo->SetStyle(Style);
    combo->SetDropDownCount(16);
    return combo;
}

std::optional<Integer> KeyOf(TComboBox* Combo, const std::vector<Integer>& Keys) {
    const Integer index = Combo->ItemIndex();
    if (index < 0 || index >= static_cast<Integer>(Keys.size())) return std::nullopt;
    return Keys[static_cast<std::size_t>(index)];
}

} // namespace

RegistryEntryDialog::RegistryEntryDialog(TComponent* AOwner, RegistryBook Book, const String& Name,
                                         const String& Caption, const String& PartnerCaption)
    : TForm(AOwner), FBook(Book) {
    SetUpDialog(this, Name, Caption, 452, 356);
    Query1 = MakeStatementQuery(this, "Query1", app::OfficeDatabase());

    // Created in the order the Tab key visits them.
    MakeFieldLabel(this, this, "Label1", PartnerCaption, LabelRight, 14);
    ComboBox1 = MakeCombo(this, this, "ComboBox1", 14, BoxWidth - 56, csDropDown);
    ComboBox1->SetMaxLength(127);
    BitBtn1 = MakeBitBtn(this, this, "BitBtn1", "Új", BoxLeft + BoxWidth - 50, 12, 50);
    MakeFieldLabel(this, this, "Label2", "Cím:", LabelRight, 42);
    Edit1 = MakeEdit(this, this, "Edit1", BoxLeft, 42, BoxWidth);
    Edit1->SetMaxLength(Book == RegistryBook::Incoming ? 250 : 100);
    MakeFieldLabel(this, this, "Label3", "Tárgy:", LabelRight, 70);
    Edit2 = MakeEdit(this, this, "Edit2", BoxLeft, 70, BoxWidth);
    Edit2->SetMaxLength(100);
    MakeFieldLabel(this, this, "Label4", "Dátum:", LabelRight, 98);
    DateTimePicker1 = MakeDatePicker(this, this, "DateTimePicker1", BoxLeft, 98, 110);
    MakeFieldLabel(this, this, "Label5", "Mód:", LabelRight, 126);
    ComboBox2 = MakeCombo(this, this, "ComboBox2", 126, 200, csDropDownList);
    MakeFieldLabel(this, this, "Label6", "Iktatási hely:", LabelRight, 154);
    ComboBox3 = MakeCombo(this, this, "ComboBox3", 154, 200, csDropDownList);
    MakeFieldLabel(this, this, "Label7", "Ügy:", LabelRight, 182);
    ComboBox4 = MakeCombo(this, this, "ComboBox4", 182, BoxWidth, csDropDownList);
    MakeFieldLabel(this, this, "Label8", "Megjegyzés:", LabelRight, 210);
    Memo1 = MakeMemo(this, this, "Memo1", BoxLeft, 210, BoxWidth, 64);
    Memo1->SetMaxLength(500);
    MakeFieldLabel(this, this, "Label9", "Referencia:", LabelRight, 282);
    Edit3 = MakeEdit(this, this, "Edit3", BoxLeft, 282, 160);
    Edit3->SetMaxLength(30);
    BitBtn4 = MakeBitBtn(this, this, "BitBtn4", "Rögzít", 248, 320);
    BitBtn5 = MakeBitBtn(this, this, "BitBtn5", "Mégse", 344, 320);
    BitBtn5->SetCancel(true); // Escape does what this button does

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    ComboBox1->OnChange = [this](TObject* Sender) { ComboBox1Change(Sender); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn4->OnClick = [this](TObject* Sender) { BitBtn4Click(Sender); };
    BitBtn5->OnClick = [this](TObject* Sender) { BitBtn5Click(Sender); };
    // The dialog's statement is never left open between shows.
    OnClose = [this](TObject*, TCloseAction&) { Query1->Close(); };
}

void RegistryEntryDialog::FillPartnerCombo() {
    FPartnerAddresses.clear();
    std::vector<String> addresses;
    LoadKeyedItems(*Query1, RegistryPartnersSql(), FPartnerIds, {ComboBox1->Items()},
                   [&addresses](TDataSet& row) {
                       addresses.push_back(row.Fields()->Fields(2)->AsString());
                       return row.Fields()->Fields(1)->AsString();
                   });
    FPartnerAddresses = std::move(addresses);
}

void RegistryEntryDialog::ChoosePartner(Integer Id, const String& Name, const String& Address) {
    const auto at = std::find(FPartnerIds.begin(), FPartnerIds.end(), Id);
    ComboBox1->SetItemIndex(at == FPartnerIds.end() ? -1 : static_cast<Integer>(at - FPartnerIds.begin()));
    ComboBox1->SetText(Name);
    Edit1->SetText(Address);
    PartnerId = Id;
}

void RegistryEntryDialog::FillEntryCombos() {
    ComboBox1->Clear();
    FillPartnerCombo();
    LoadKeyedNames(*Query1, ActiveModesSql(), FModeIds, {ComboBox2->Items()});
    LoadKeyedNames(*Query1, ActiveLocationsSql(), FLocationIds, {ComboBox3->Items()});
    for (TComboBox* combo : {ComboBox2, ComboBox3})
        combo->SetItemIndex(-1);
}

void RegistryEntryDialog::FormShow(TObject*) {
    FillEntryCombos();
    Edit1->SetText("");
    Edit2->SetText("");
    Edit3->SetText("");
    Memo1->SetText("");
    DateTimePicker1->SetDate(Date());
    PartnerId = 0;
}

void RegistryEntryDialog::ComboBox1Change(TObject*) {
    // The box keeps its last chosen item while the user types over it, so an item counts
    // only while the text is that item's name.
    Integer index = ComboBox1->ItemIndex();
    TStrings* items = ComboBox1->Items();
    if (index < 0 || index >= items->Count() || items->Strings(index) != ComboBox1->Text())
        index = items->IndexOf(ComboBox1->Text());
    if (index >= 0 && index < static_cast<Integer>(FPartnerAddresses.size())) {
        Edit1->SetText(FPartnerAddresses[static_cast<std::size_t>(index)]);
        PartnerId = FPartnerIds[static_cast<std::size_t>(index)];
    } else {
        Edit1->SetText("");
        PartnerId = 0;
    }
}

void RegistryEntryDialog::BitBtn4Click(TObject*) {
    if (PartnerId <= 0) {
        ShowMessage("A feladó mező kötelezően kitöltendő!");
        return;
    }
    RegistryEntry e;
    e.PartnerId = PartnerId;
    e.Address = Edit1->Text();
    e.Subject = Edit2->Text();
    e.Date = DateTimePicker1->Date();
    e.ModeId = KeyOf(ComboBox2, FModeIds);
    e.LocationId = KeyOf(ComboBox3, FLocationIds);
    e.CaseId = KeyOf(ComboBox4, app::CaseIds(app::MainWindow()));
    e.Note = Memo1->Text();
    e.Reference = Edit3->Text();
    WriteRegistryEntry(*Query1, FBook, e);
    CloseAsStored(*this, [this] { ShowStoredList(); });
}

void RegistryEntryDialog::BitBtn5Click(TObject*) {
    Close();
}

} // namespace app
