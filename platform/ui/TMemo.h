#pragma once
// A multi-line text box. Text is the text as it was given, byte for byte, until the user
// edits it: an edit changes only what the user typed, pasted or deleted, so line ends (CR LF,
// a bare LF, a lone CR), no-break spaces and tabs elsewhere stay as stored, and a line break
// the user makes is CR LF, the line end the database stores. Lines are the text's lines. Enter
// makes a new line (WantReturns); Tab moves the focus unless WantTabs. Lines wrap at words; a
// read-only box whose text holds a word wider than the screen wraps anywhere.
#include "platform/ui/TWinControl.h"

#include <memory>

class QString;
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
    // 0: no limit. Counts characters as Text holds them, a line break the user makes as the two
    // of CR LF. Typing, pasting and dropping stop there; a text given longer may be shortened.
    Integer MaxLength() const { return FMaxLength; }
    void SetMaxLength(Integer v) { FMaxLength = std::max(v, 0); }
    void Clear() { SetText(String()); }
    void SelectAll();
    // The selected part of Text.
    String SelText() const;

    bool WantsKey(Word Key) const override;
    TNotifyEvent OnChange;

protected:
    void ColorChanged() override;
    void KeyPress(String& Key) override;
    virtual void Change();

private:
    class MemoLines;
    struct Shown;
    // Brings the text in line with an edit of the editor's document.
    void FollowEdit(int Position, int Removed, int Added);
    // Whether the editor wraps Raw, its document text, anywhere rather than at words.
    bool WrapsAnywhere(const QString& Raw) const;
    void ChooseWrap(bool Anywhere);

    std::unique_ptr<MemoLines> FLines;
    std::unique_ptr<Shown> FShown;
    bool FWordWrap = true;
    bool FWantReturns = true;
    bool FWantTabs = false;
    Integer FMaxLength = 0;
};
