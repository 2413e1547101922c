// The registry of grid kinds and the recognition of grids by what they publish.
#include "export/VgEGridKinds.h"

#include "platform/core/TStrings.h"
#include "platform/ui/TCustomDBGrid.h"

#include <map>

namespace {

std::map<String, TVgEGridKind>& Kinds() {
    static std::map<String, TVgEGridKind> kinds;
    return kinds;
}

const TVgEGridKind& DataGridKind() {
    static const TVgEGridKind kind = [] {
        TVgEGridKind k;
        k.ClassName = "TCustomDBGrid";
        k.DataSource = [](TCustomControl* c) { return static_cast<TCustomDBGrid*>(c)->DataSource(); };
        k.Columns = TVgEGridColumns::FieldCollection;
        k.SelectedRows = [](TCustomControl* c) { return static_cast<TCustomDBGrid*>(c)->SelectedRows(); };
        return k;
    }();
    return kind;
}

} // namespace

void RegisterGridKind(TVgEGridKind Kind) {
    const String name = Kind.ClassName;
    Kinds().insert_or_assign(name, std::move(Kind));
}

void UnregisterGridKind(const String& ClassName) {
    Kinds().erase(ClassName);
}

const TVgEGridKind* FindGridKind(const TComponent* Control) {
    if (dynamic_cast<const TCustomDBGrid*>(Control) != nullptr) return &DataGridKind();
    if (Control == nullptr) return nullptr;
    const auto found = Kinds().find(Control->ClassName());
    return found != Kinds().end() ? &found->second : nullptr;
}

bool PropIsDBGrid(TComponent* Control, bool& IsSelectedKind, bool& IsFieldsKind) {
    IsSelectedKind = false;
    IsFieldsKind = false;
    const TVgEGridKind* kind = FindGridKind(Control);
    if (kind == nullptr || dynamic_cast<TCustomControl*>(Control) == nullptr || !kind->DataSource)
        return false;
    if (kind->Columns != TVgEGridColumns::None) return kind->Columns == TVgEGridColumns::FieldCollection;
    IsSelectedKind = static_cast<bool>(kind->Selected);
    IsFieldsKind = !IsSelectedKind && kind->Fields;
    return IsSelectedKind || IsFieldsKind;
}

void FillGridList(TComponent* Component, TStrings* List) {
    auto* parent = dynamic_cast<TWinControl*>(Component);
    if (parent == nullptr || List == nullptr) return;
    for (Integer i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        bool selectedKind = false;
        bool fieldsKind = false;
        if (PropIsDBGrid(child, selectedKind, fieldsKind)) List->Add(child->Name());
        FillGridList(child, List);
    }
}
