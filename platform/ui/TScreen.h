#pragma once
// The screen: its size and work area, the application-wide cursor, and the
// forms of the application with the active one among them.
#include "platform/core/TComponent.h"
#include "platform/graphics/TRect.h"
#include "platform/ui/UiTypes.h"

#include <map>
#include <vector>

class TCustomForm;

class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* AOwner) : TComponent(AOwner) {}
    String ClassName() const override { return "TScreen"; }

    Integer Width() const;
    Integer Height() const;
    TRect WorkAreaRect() const;
    Integer WorkAreaLeft() const { return WorkAreaRect().Left; }
    Integer WorkAreaTop() const { return WorkAreaRect().Top; }
    Integer WorkAreaWidth() const { return WorkAreaRect().Width(); }
    Integer WorkAreaHeight() const { return WorkAreaRect().Height(); }
    Integer PixelsPerInch() const { return 96; }

    // Overrides every control's cursor while not crDefault (the wait cursors).
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor v);

    // Cursor indexes that libraries register (a wait cursor of their own), each
    // shown as one of the standard cursors: the registered shape, or Index itself.
    TCursor Cursors(TCursor Index) const;
    void SetCursors(TCursor Index, TCursor Shape);

    // The forms in creation order.
    Integer FormCount() const { return Integer(FForms.size()); }
    // Raises EListError "List index out of bounds (<i>)".
    TCustomForm* Forms(Integer Index) const;
    Integer CustomFormCount() const { return FormCount(); }
    TCustomForm* CustomForms(Integer Index) const { return Forms(Index); }

    TCustomForm* ActiveForm() const { return FActiveForm; }
    TNotifyEvent OnActiveFormChange;

    // Platform-internal bookkeeping of the forms.
    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);
    // Makes Form the active one: the previous one hears Deactivate, Form Activate.
    void SetActiveForm(TCustomForm* Form);
    // A hidden active form hands activation to the form active before it.
    void FormHidden(TCustomForm* Form);

private:
    std::vector<TCustomForm*> FForms;
    std::vector<TCustomForm*> FActivation; // most recently active last
    TCustomForm* FActiveForm = nullptr;
    TCursor FCursor = crDefault;
    std::map<TCursor, TCursor> FCursors;
};

extern TScreen* Screen;
