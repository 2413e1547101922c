#include "platform/ui/TColorDialog.h"

#include "platform/ui/DialogHook.h"
#include "platform/ui/detail/QtSupport.h"

#include <QColorDialog>

bool TColorDialog::Execute() {
    if (const auto& hook = ui::CurrentDialogHook()) {
        ui::DialogRequest r;
        r.Kind = ui::DialogKind::ColorDialog;
        r.Value = ColorToString(FColor);
        const ui::DialogAnswer a = hook(r);
        if (a.Result == 0) return false;
        if (!a.Value.empty()) FColor = StringToColor(a.Value);
        return true;
    }
    ui::EnsureWidgetApplication();
    const QColor chosen = QColorDialog::getColor(ui::ToQColor(FColor));
    if (!chosen.isValid()) return false;
    FColor = RGB(Byte(chosen.red()), Byte(chosen.green()), Byte(chosen.blue()));
    return true;
}
