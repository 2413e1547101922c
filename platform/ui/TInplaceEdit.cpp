#include "platform/ui/TInplaceEdit.h"

#include "platform/ui/QtSupport.h"
#include "platform/ui/TCustomGrid.h"
#include "platform/ui/VirtualKeys.h"

#include <QLineEdit>

TInplaceEdit::TInplaceEdit(TCustomGrid* AGrid) : TWinControl(AGrid, new QLineEdit), FGrid(AGrid)
{
    Edit()->setFrame(false);
    QObject::connect(Edit(), &QLineEdit::textEdited, [this](const QString&) {
        if (FSetting)
            return;
        FModified = true;
        if (OnChange)
            OnChange(this);
    });
    SetVisible(false);
}

QLineEdit* TInplaceEdit::Edit() const
{
    return static_cast<QLineEdit*>(Widget());
}

String TInplaceEdit::Text() const
{
    return ui::FromQt(Edit()->text());
}

void TInplaceEdit::SetText(const String& v)
{
    FSetting = true;
    Edit()->setText(ui::ToQt(v));
    FSetting = false;
}

void TInplaceEdit::SelectAll()
{
    Edit()->selectAll();
}

void TInplaceEdit::SelectEnd()
{
    Edit()->deselect();
    Edit()->end(false);
}

void TInplaceEdit::KeyDown(Word& Key, TShiftState Shift)
{
    TWinControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_TAB:
        FGrid->KeyDown(Key, Shift);
        Key = 0;
        break;
    default:
        break;
    }
}
