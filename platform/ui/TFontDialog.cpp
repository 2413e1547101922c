#include "platform/ui/TFontDialog.h"

#include "platform/graphics/TFont.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/detail/QtSupport.h"

#include <QFontDialog>

TFontDialog::TFontDialog(TComponent* AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>()) {}

TFontDialog::~TFontDialog() = default;

void TFontDialog::SetFont(TFont* v) {
    FFont->Assign(v);
}

bool TFontDialog::Execute() {
    if (const auto& hook = ui::CurrentDialogHook()) {
        ui::DialogRequest r;
        r.Kind = ui::DialogKind::FontDialog;
        r.Value = FFont->Name();
        const ui::DialogAnswer a = hook(r);
        if (a.Result == 0) return false;
        if (!a.Value.empty()) FFont->SetName(a.Value);
        return true;
    }
    ui::EnsureWidgetApplication();
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, ui::ToQFont(FFont.get()));
    if (!ok) return false;
    FFont->SetName(ui::FromQt(chosen.family()));
    if (chosen.pointSize() > 0) FFont->SetSize(chosen.pointSize());
    TFontStyles style;
    if (chosen.bold()) style.Include(fsBold);
    if (chosen.italic()) style.Include(fsItalic);
    if (chosen.underline()) style.Include(fsUnderline);
    if (chosen.strikeOut()) style.Include(fsStrikeOut);
    FFont->SetStyle(style);
    return true;
}
