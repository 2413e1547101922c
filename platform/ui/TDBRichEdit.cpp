#include "platform/ui/TDBRichEdit.h"

#include "platform/core/CodePages.h"
#include "platform/data/TField.h"
#include "platform/graphics/TFont.h"

TDBRichEdit::TDBRichEdit(TComponent* AOwner) : TDataAwareControl<TRichEdit>(AOwner) {
    // The box takes no typing, and its link never puts the record into editing.
    TRichEdit::SetReadOnly(true);
    SetReadOnly(true);
}

void TDBRichEdit::DataChange() {
    TField* field = Field();
    const String value = !field ? String() : field->IsBlob() ? field->AsString() : field->DisplayText();
    ShowValue([&] {
        if (value.starts_with("{\\rtf")) {
            // The reader takes RTF as the bytes it was stored in.
            LoadRtf(Utf8ToCodePage(value, 1250));
            return;
        }
        Clear();
        ChangeSelAttributes([this](rtf::CharFormat& f) {
            f.FontName = Font()->Name();
            f.HalfPoints = Font()->Size() * 2;
            f.Bold = Font()->Style().Contains(fsBold);
            f.Italic = Font()->Style().Contains(fsItalic);
            f.AutoColor = Font()->Color() == clWindowText;
            if (!f.AutoColor) f.Color = Font()->Color();
        });
        SetSelText(value);
        SetSelStart(0);
    });
}
