#pragma once
// A persistent date and time edited field by field; 1990-01-01 00:00:00 at first.
#include "controls/common/TUtlObject.h"

class TUtlDateTime : public TUtlObject {
public:
    TUtlDateTime();
    String ClassName() const override { return "TUtlDateTime"; }

    // Copies the value of another TUtlDateTime; anything else goes to the base.
    void Assign(TPersistent* Source) override;

    TDateTime DateTime() const { return FDateTime; }
    void SetDateTime(TDateTime Value);

    Word Day() const;
    Word Month() const;
    Word Year() const;
    Word Hour() const;
    Word Minute() const;
    Word Second() const;
    // The date setters keep hour, minute and second (milliseconds become 0); the
    // time setters keep the date and the milliseconds. A date that does not exist
    // raises EConvertError "Invalid argument to date encode" and keeps the value.
    // Before 1899-12-30 the time is taken away from the day, so that a field set on such
    // a date reads back as it was set.
    void SetDay(Word Value);
    void SetMonth(Word Value);
    void SetYear(Word Value);
    void SetHour(Word Value);
    void SetMinute(Word Value);
    void SetSecond(Word Value);

private:
    struct Parts {
        Word Year, Month, Day, Hour, Minute, Second, MSec;
    };
    Parts Decode() const;
    void SetDate(Word Year, Word Month, Word Day);
    void SetTime(Word Hour, Word Minute, Word Second);

    TDateTime FDateTime;
};
