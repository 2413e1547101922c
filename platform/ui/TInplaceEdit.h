#pragma once
// The one-line editor a grid lays over its current cell. Keys that move
// between cells or end the edit go on to the grid.
#include "platform/ui/TWinControl.h"

class QLineEdit;
class TCustomGrid;

class TInplaceEdit : public TWinControl {
public:
    explicit TInplaceEdit(TCustomGrid* AGrid);
    String ClassName() const override { return "TInplaceEdit"; }

    TCustomGrid* Grid() const { return FGrid; }
    String Text() const override;
    void SetText(const String& v) override;
    // Set by typing; the grid clears it when it takes the text.
    bool Modified() const { return FModified; }
    void SetModified(bool v) { FModified = v; }
    void SelectAll();
    void SelectEnd();

    void KeyDown(Word& Key, TShiftState Shift) override;

    // Fired when the text changes by typing.
    TNotifyEvent OnChange;

private:
    QLineEdit* Edit() const;

    TCustomGrid* FGrid;
    bool FModified = false;
    bool FSetting = false;
};
