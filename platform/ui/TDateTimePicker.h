#pragma once
// A date (or time) box with a drop-down calendar and, optionally, a check box
// in front of it that says whether a value is chosen at all. Unchecked, the
// value stays readable but is shown greyed; any change the user makes to the
// value checks the box again.
#include "platform/ui/TWinControl.h"

class QCheckBox;
class QDateTimeEdit;

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateFormat { dfShort, dfLong };

class TDateTimePicker : public TWinControl {
public:
    explicit TDateTimePicker(TComponent* AOwner);
    String ClassName() const override { return "TDateTimePicker"; }

    // The whole value; Date is its day part, Time its time of day. Setting
    // them from code fires no OnChange and leaves Checked alone.
    TDateTime DateTime() const { return FDateTime; }
    void SetDateTime(TDateTime v);
    TDateTime Date() const;
    void SetDate(TDateTime v);
    TDateTime Time() const;
    void SetTime(TDateTime v);

    bool ShowCheckbox() const { return FShowCheckbox; }
    void SetShowCheckbox(bool v);
    // Whether a value is chosen; true for a new picker, kept while the box is hidden.
    bool Checked() const { return FChecked; }
    void SetChecked(bool v);

    // Date shows the day in the short or long date format with a drop-down
    // calendar; Time shows the long time format with arrows.
    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind v);
    TDTDateFormat DateFormat() const { return FDateFormat; }
    void SetDateFormat(TDTDateFormat v);

    // Typing works field by field: a digit typed where the caret stands in a
    // field replaces the whole field, and the separator typed right after a
    // field filled itself up and moved on is taken as already done, so
    // "1990.04.20", "1990.4.20" and "19900420" all give the same day.
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(String& Key) override;

    // Fired when the user changes the value or toggles the check box.
    TNotifyEvent OnChange;

protected:
    bool WidgetEvent(QEvent* Event) override;
    void ColorChanged() override;
    virtual void Change();

private:
    void ShowValue();
    void UpdateFormat();
    void UpdateCheckedLook();
    void UserEdited(TDateTime v);
    void UserToggled();

    QCheckBox* FCheckBox = nullptr;
    QDateTimeEdit* FEdit = nullptr;
    TDateTime FDateTime = 0;
    TDateTimeKind FKind = dtkDate;
    TDTDateFormat FDateFormat = dfShort;
    bool FShowCheckbox = false;
    bool FChecked = true;
    bool FSetting = false;
    // The field a digit was typed into, until a key other than a digit comes; -1 otherwise.
    int FDigitSection = -1;
};
