// The data grid's standard context menu: record actions, the four hooks for
// printing, export, filter and search, the selection commands and set-up.
#include "grid/TVgDBGrid.h"

#include "grid/VgGridLayout.h"
#include "platform/data/TDataSet.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/VirtualKeys.h"

namespace {

const char* const Captions[] = {"Add record",
                                "Insert record",
                                "Edit record",
                                "Delete record",
                                "-",
                                "Print ...",
                                "Export ...",
                                "Filter ...",
                                "Search ...",
                                "-",
                                "Save changes",
                                "Discard changes",
                                "Refresh",
                                "-",
                                "Select/Unselect records",
                                "Select record",
                                "Select All records",
                                "-",
                                "UnSelect record",
                                "UnSelect All records",
                                "-",
                                "Save column layout",
                                "Restore column layout",
                                "-",
                                "Setup..."};

} // namespace

void TVgDBGrid::BuildStandardPopup() {
    FPopup = std::make_unique<TPopupMenu>(nullptr);
    using Action = void (TVgDBGrid::*)();
    const Action actions[] = {&TVgDBGrid::AppendClick,
                              &TVgDBGrid::InsertClick,
                              &TVgDBGrid::EditClick,
                              &TVgDBGrid::DeleteClick,
                              nullptr,
                              &TVgDBGrid::PrintClick,
                              &TVgDBGrid::ExportClick,
                              &TVgDBGrid::FilterClick,
                              &TVgDBGrid::SearchClick,
                              nullptr,
                              &TVgDBGrid::PostClick,
                              &TVgDBGrid::CancelClick,
                              &TVgDBGrid::RefreshClick,
                              nullptr,
                              nullptr,
                              &TVgDBGrid::SelectOneClick,
                              &TVgDBGrid::SelectAllClick,
                              nullptr,
                              &TVgDBGrid::UnSelectOneClick,
                              &TVgDBGrid::UnSelectAllClick,
                              nullptr,
                              &TVgDBGrid::SaveLayoutClick,
                              &TVgDBGrid::RestoreLayoutClick,
                              nullptr,
                              &TVgDBGrid::SetupGridClick};
    Integer glyph = 0;
    for (Integer i = 0; i < 25; ++i) {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(Captions[i]);
        // The application's image list holds one glyph for each entry that is not a line.
        item->SetImageIndex(item->IsLine() ? -1 : glyph++);
        if (Action a = actions[i]) item->OnClick = [this, a](TObject*) { (this->*a)(); };
        if (i == 8) item->SetShortCut(TShortCut(scCtrl | 'F'));
        if (i == 12) item->SetShortCut(VK_F5);
        if (i >= 15 && i <= 19)
            FPopupItems[14]->Add(item);
        else
            FPopup->Items()->Add(item);
        FPopupItems[std::size_t(i)] = item;
    }
}

void TVgDBGrid::SetImages(TImageList* Value) {
    if (Value == FImages) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages) FImages->FreeNotification(this);
}

void TVgDBGrid::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomDBGrid::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) {
        FImages = nullptr;
        if (FPopup) FPopup->SetImages(nullptr);
    }
    if (Operation == opRemove && FFilteredDataSet && AComponent == FFilteredDataSet) {
        FFilteredDataSet = nullptr;
        FPriorFilterRecord = nullptr;
    }
}

void TVgDBGrid::UpdatePopupItems() {
    FPopup->SetImages(FImages);
    TDataSet* ds = DataSet();
    bool browsing = ds && ds->State() == dsBrowse;
    bool editing = ds && IsEditMode(ds->State());
    bool modifiable = ds && !ReadOnly() && ds->CanModify();
    auto item = [&](Integer i) { return FPopupItems[std::size_t(i)]; };
    item(0)->SetEnabled(!FExOptions.Contains(eoDisableInsert) && modifiable && browsing);
    item(1)->SetEnabled(item(0)->Enabled());
    item(2)->SetEnabled(modifiable && browsing);
    item(3)->SetEnabled(!FExOptions.Contains(eoDisableDelete) && modifiable && browsing);
    const TNotifyEvent* hooks[] = {&OnPrintData, &OnExportData, &OnFilterData, &OnSearchData};
    bool any = false;
    for (Integer i = 0; i < 4; ++i) {
        bool assigned = bool(*hooks[i]);
        item(5 + i)->SetVisible(assigned);
        item(5 + i)->SetEnabled(assigned && browsing);
        any = any || assigned;
    }
    item(9)->SetVisible(any);
    item(10)->SetEnabled(!ReadOnly() && editing && ds->CanModify());
    item(11)->SetEnabled(!ReadOnly() && editing);
    item(12)->SetEnabled(browsing);
    item(14)->SetEnabled(ds && ds->Active() && FMultiSelect);
    bool layout = FExOptions.Contains(eoLayout);
    for (Integer i : {20, 21, 22}) {
        item(i)->SetVisible(layout);
        item(i)->SetEnabled(layout);
    }
    item(24)->SetVisible(bool(OnSetupGrid));
    item(24)->SetEnabled(bool(OnSetupGrid) && ds != nullptr);
    item(23)->SetVisible(item(24)->Visible());
}

void TVgDBGrid::PopupStandardMenu(Integer X, Integer Y) {
    UpdatePopupItems();
    TPoint p = ClientToScreen(TPoint(X, Y));
    FPopup->Popup(p.X, p.Y);
}

void TVgDBGrid::PrintClick() {
    if (OnPrintData) OnPrintData(this);
}

void TVgDBGrid::ExportClick() {
    if (OnExportData) OnExportData(this);
}

void TVgDBGrid::FilterClick() {
    if (OnFilterData) OnFilterData(this);
}

void TVgDBGrid::SearchClick() {
    if (OnSearchData) OnSearchData(this);
}

void TVgDBGrid::SetupGridClick() {
    if (OnSetupGrid) OnSetupGrid(this);
}

void TVgDBGrid::SaveLayoutClick() {
    SaveGridToRegistry(this, FRegistryKey, FRegistrySection);
}

void TVgDBGrid::RestoreLayoutClick() {
    LoadGridFromRegistry(this, FRegistryKey, FRegistrySection);
}
