#pragma once
// A one-line text box. OnChange fires on every change of the text, typed or set.
#include "platform/ui/TWinControl.h"

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* AOwner);
    String ClassName() const override { return "TEdit"; }

    String Text() const override;
    void SetText(const String& v) override;

    Integer MaxLength() const { return FMaxLength; }
    // 0: no limit. Counts characters. It stops typing only: a longer text set from code
    // stays whole, and the user can shorten it but not lengthen it.
    void SetMaxLength(Integer v);
    bool ReadOnly() const;
    void SetReadOnly(bool v);
    // 0: the text shows; any other character hides it.
    char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char v);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase v);
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool v) { FAutoSelect = v; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle v);
    bool Modified() const { return FModified; }
    void SetModified(bool v) { FModified = v; }

    // Selection in characters, the start 0-based.
    Integer SelStart() const;
    void SetSelStart(Integer v);
    Integer SelLength() const;
    void SetSelLength(Integer v);
    String SelText() const;
    void SetSelText(const String& v);
    void SelectAll();
    void Clear() { SetText(String()); }

    TNotifyEvent OnChange;

protected:
    void ColorChanged() override;
    void DoEnter() override;
    virtual void Change();

private:
    // The toolkit's limit for a text of Length characters (see MaxLength).
    void LimitTo(Integer Length);

    Integer FMaxLength = 0;
    char FPasswordChar = 0;
    TEditCharCase FCharCase = ecNormal;
    bool FAutoSelect = true;
    bool FModified = false;
    TBorderStyle FBorderStyle = bsSingle;
};
