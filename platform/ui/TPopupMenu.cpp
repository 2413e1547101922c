#include "platform/ui/TPopupMenu.h"

#include "platform/ui/TMenuItem.h"

#include <QMenu>

void TPopupMenu::Popup(Integer X, Integer Y) {
    if (OnPopup) OnPopup(this);
    if (QMenu* menu = Items()->SubMenu()) menu->exec(QPoint(X, Y));
}
