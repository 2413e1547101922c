#include "platform/ui/TScreen.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/TCustomForm.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>

namespace {

QRect ScreenGeometry(bool available) {
    ui::EnsureWidgetApplication();
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return QRect(0, 0, 1024, 768);
    return available ? s->availableGeometry() : s->geometry();
}

} // namespace

Integer TScreen::Width() const {
    return ScreenGeometry(false).width();
}
Integer TScreen::Height() const {
    return ScreenGeometry(false).height();
}

TRect TScreen::WorkAreaRect() const {
    const QRect r = ScreenGeometry(true);
    return Bounds(r.x(), r.y(), r.width(), r.height());
}

void TScreen::SetCursor(TCursor v) {
    if (v == FCursor) return;
    ui::EnsureWidgetApplication();
    if (FCursor != crDefault) QApplication::restoreOverrideCursor();
    FCursor = v;
    if (v != crDefault) QApplication::setOverrideCursor(ui::ToQCursor(v));
}

TCursor TScreen::Cursors(TCursor Index) const {
    const auto it = FCursors.find(Index);
    return it == FCursors.end() ? Index : it->second;
}

void TScreen::SetCursors(TCursor Index, TCursor Shape) {
    FCursors[Index] = Shape;
}

TCustomForm* TScreen::Forms(Integer Index) const {
    if (Index < 0 || Index >= FormCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FForms[std::size_t(Index)];
}

void TScreen::AddForm(TCustomForm* Form) {
    FForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form) {
    std::erase(FForms, Form);
    std::erase(FActivation, Form);
    if (FActiveForm == Form) {
        FActiveForm = nullptr;
        if (OnActiveFormChange) OnActiveFormChange(this);
    }
}

void TScreen::SetActiveForm(TCustomForm* Form) {
    if (Form == FActiveForm) return;
    TCustomForm* previous = FActiveForm;
    FActiveForm = Form;
    if (Form) {
        std::erase(FActivation, Form);
        FActivation.push_back(Form);
    }
    if (previous) previous->Deactivate();
    if (Form) Form->Activate();
    if (OnActiveFormChange) OnActiveFormChange(this);
}

void TScreen::FormHidden(TCustomForm* Form) {
    std::erase(FActivation, Form);
    if (FActiveForm != Form) return;
    TCustomForm* next = nullptr;
    for (auto it = FActivation.rbegin(); it != FActivation.rend(); ++it)
        if ((*it)->Visible()) {
            next = *it;
            break;
        }
    SetActiveForm(next);
}
