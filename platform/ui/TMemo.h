#pragma once
// A multi-line text box. Lines are the text's lines; Text joins them with
// CR LF, the line end stored in the database. Enter makes a new line (WantReturns); Tab moves
// the focus unless WantTabs.
#include "platform/ui/TWinControl.h"

#include <memory>

class TStrings;

class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* AOwner);
    ~TMemo() override;
    String ClassName() const override { return "TMemo"; }

    TStrings* Lines() const;
    String Text() const override;
    void SetText(const String& v) override;
    bool ReadOnly() const;
    void SetReadOnly(bool v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool v) { FWantReturns = v; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool v) { FWantTabs = v; }
    // 0: no limit; counts characters.
    Integer MaxLength() const { return FMaxLength; }
    void SetMaxLength(Integer v) { FMaxLength = std::max(v, 0); }
    void Clear() { SetText(String()); }
    void SelectAll();
    // The selected text (lines joined by "\r\n").
    String SelText() const;

    bool WantsKey(Word Key) const override;
    TNotifyEvent OnChange;

protected:
    void ColorChanged() override;
    void KeyPress(String& Key) override;
    virtual void Change();

private:
    class MemoLines;
    std::unique_ptr<MemoLines> FLines;
    bool FWordWrap = true;
    bool FWantReturns = true;
    bool FWantTabs = false;
    Integer FMaxLength = 0;
};
