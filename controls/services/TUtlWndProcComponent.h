#pragma once
// A non-visual component that hooks the window procedure of its owner form:
// the form's messages reach WndProc first, and whatever WndProc passes on goes
// to the form's own processing. Disabling or destroying the component puts the
// form's previous procedure back. The form shape is built on it.
#include "controls/common/TUtlCustomComponent.h"
#include "platform/ui/WindowHook.h"

#include <memory>

class TWinControl;

class TUtlWndProcComponent : public TUtlCustomComponent {
public:
    explicit TUtlWndProcComponent(TComponent* AOwner);
    ~TUtlWndProcComponent() override;
    String ClassName() const override { return "TUtlWndProcComponent"; }

    bool Enabled() const { return FEnabled; }
    // Outside design time installs (True) or removes (False) the hook.
    void SetEnabled(bool Value);
    bool DesignEnabled() const { return FDesignEnabled; }
    void SetDesignEnabled(bool Value);
    bool HandleApp() const { return FHandleApp; }
    // Taken only while loading or at design time. This platform has no
    // application window, so AppWndProc is never called.
    void SetHandleApp(bool Value);

    // Installed and its window still there.
    bool Hooked() const { return FHook && FHook->Installed(); }
    // Removes the hook and switches Enabled off.
    void SilentRemove();
    TComponent* GetOwnerForm() const { return Owner(); }
    // The owner as a windowed control; null without one.
    TWinControl* GetOwnerHandle() const;
    // The owner is a windowed control neither loading nor being destroyed.
    bool ValidOwner() const;

    void Loaded() override;

protected:
    virtual bool AppWndProc(TMessage& Message) { return true; }
    // Installs the hook when Enabled and not hooked yet.
    virtual void Init();
    virtual void RestoreState() {}
    // The base passes every message on; after WM_DESTROY the owner's own
    // processing still sees the messages of its destruction.
    virtual void WndProc(TMessage& Message);
    virtual void DesignEnabledChanged();
    // Answers whether the message was handled here (not passed on).
    bool Dispatch(TMessage& Message);

    // Refused without an owner window, when hooked already, or at design time
    // without DesignEnabled.
    bool NewWndProc();
    void RestoreWndProc();

    // Set by WndProc when the message must not reach the owner.
    bool FHandled = false;

private:
    bool FEnabled = true;
    bool FDesignEnabled = false;
    bool FHandleApp = false;
    bool FDestroying = false;
    std::unique_ptr<TWindowHook> FHook;
};
