#include "report/preview/detail/rpDockPlacement.h"

#include "platform/core/TRegIniFile.h"
#include "report/preview/detail/TrpDock.h"

namespace {

String ToolBarSection(const TrpToolBar* ToolBar) {
    return "ToolBar\\" + ToolBar->Name();
}

String FormSection(const TCustomForm* Form) {
    return "Form\\" + Form->Name();
}

} // namespace

void SaveToolbarPosition(TrpToolBar* ToolBar) {
    TRegIniFile reg(rpDockRootKey);
    const String s = ToolBarSection(ToolBar);
    reg.WriteBool(s, "isFloat", ToolBar->Floating());
    reg.WriteBool(s, "isVisible", ToolBar->GetVisible());
    const TControl* placed =
        ToolBar->Floating() ? static_cast<TControl*>(ToolBar->GetFloatWindow()) : ToolBar;
    reg.WriteInteger(s, "XPosition", placed->Left());
    reg.WriteInteger(s, "YPosition", placed->Top());
    reg.WriteInteger(s, "Width", ToolBar->Width());
    reg.WriteInteger(s, "Height", ToolBar->Height());
    if (auto* dock = dynamic_cast<TrpDock*>(ToolBar->Parent())) reg.WriteString(s, "DockName", dock->Name());
}

void RestoreToolbarPosition(TrpToolBar* ToolBar) {
    TRegIniFile reg(rpDockRootKey);
    const String s = ToolBarSection(ToolBar);
    ToolBar->SetVisible(false);
    const bool floating = reg.ReadBool(s, "isFloat", false);
    const Integer x = reg.ReadInteger(s, "XPosition", ToolBar->Left());
    const Integer y = reg.ReadInteger(s, "YPosition", ToolBar->Top());
    ToolBar->SetWidth(reg.ReadInteger(s, "Width", ToolBar->Width()));
    ToolBar->SetHeight(reg.ReadInteger(s, "Height", ToolBar->Height()));
    if (!floating) {
        ToolBar->SetLeft(x);
        ToolBar->SetTop(y);
        const String parentName = ToolBar->Parent() ? ToolBar->Parent()->Name() : String();
        const String dockName = reg.ReadString(s, "DockName", parentName);
        TComponent* owner = ToolBar->Owner();
        auto* dock = owner ? dynamic_cast<TrpDock*>(owner->FindComponent(dockName)) : nullptr;
        if (dock && dock != ToolBar->Parent()) ToolBar->DockTo(dock, x, y);
        ToolBar->AdjustBounds();
    } else {
        ToolBar->FloatTo(x, y);
    }
    ToolBar->SetVisible(reg.ReadBool(s, "isVisible", true));
}

void SaveFormPosition(TCustomForm* Form) {
    TRegIniFile reg(rpDockRootKey);
    const String s = FormSection(Form);
    reg.WriteBool(s, "isVisible", Form->Visible());
    reg.WriteInteger(s, "XPosition", Form->Left());
    reg.WriteInteger(s, "YPosition", Form->Top());
    reg.WriteInteger(s, "Width", Form->Width());
    reg.WriteInteger(s, "Height", Form->Height());
}

void RestoreFormPosition(TCustomForm* Form) {
    TRegIniFile reg(rpDockRootKey);
    const String s = FormSection(Form);
    Form->Hide();
    Form->SetBounds(reg.ReadInteger(s, "XPosition", Form->Left()),
                    reg.ReadInteger(s, "YPosition", Form->Top()), reg.ReadInteger(s, "Width", Form->Width()),
                    reg.ReadInteger(s, "Height", Form->Height()));
    if (reg.ReadBool(s, "isVisible", true)) Form->Show();
}
