#include "controls/services/TUtlDateTime.h"

#include "platform/core/DateTime.h"
#include "platform/core/DateTimeParts.h"

TUtlDateTime::TUtlDateTime() : FDateTime(EncodeDate(1990, 1, 1)) {}

void TUtlDateTime::Assign(TPersistent* Source) {
    if (auto* other = dynamic_cast<TUtlDateTime*>(Source)) {
        FDateTime = other->FDateTime;
        return;
    }
    TUtlObject::Assign(Source);
}

void TUtlDateTime::SetDateTime(TDateTime Value) {
    if (Value != FDateTime) FDateTime = Value;
}

TUtlDateTime::Parts TUtlDateTime::Decode() const {
    Parts p{};
    DecodeDate(FDateTime, p.Year, p.Month, p.Day);
    DecodeTime(FDateTime, p.Hour, p.Minute, p.Second, p.MSec);
    return p;
}

Word TUtlDateTime::Day() const {
    return Decode().Day;
}
Word TUtlDateTime::Month() const {
    return Decode().Month;
}
Word TUtlDateTime::Year() const {
    return Decode().Year;
}
Word TUtlDateTime::Hour() const {
    return Decode().Hour;
}
Word TUtlDateTime::Minute() const {
    return Decode().Minute;
}
Word TUtlDateTime::Second() const {
    return Decode().Second;
}

void TUtlDateTime::SetDate(Word Year, Word Month, Word Day) {
    const Parts p = Decode();
    FDateTime =
        core::ComposeDateTime(EncodeDate(Year, Month, Day), EncodeTime(p.Hour, p.Minute, p.Second, 0));
}

void TUtlDateTime::SetTime(Word Hour, Word Minute, Word Second) {
    const Parts p = Decode();
    FDateTime =
        core::ComposeDateTime(EncodeDate(p.Year, p.Month, p.Day), EncodeTime(Hour, Minute, Second, p.MSec));
}

void TUtlDateTime::SetDay(Word Value) {
    const Parts p = Decode();
    if (Value != p.Day) SetDate(p.Year, p.Month, Value);
}

void TUtlDateTime::SetMonth(Word Value) {
    const Parts p = Decode();
    if (Value != p.Month) SetDate(p.Year, Value, p.Day);
}

void TUtlDateTime::SetYear(Word Value) {
    const Parts p = Decode();
    if (Value != p.Year) SetDate(Value, p.Month, p.Day);
}

void TUtlDateTime::SetHour(Word Value) {
    const Parts p = Decode();
    if (Value != p.Hour) SetTime(Value, p.Minute, p.Second);
}

void TUtlDateTime::SetMinute(Word Value) {
    const Parts p = Decode();
    if (Value != p.Minute) SetTime(p.Hour, Value, p.Second);
}

void TUtlDateTime::SetSecond(Word Value) {
    const Parts p = Decode();
    if (Value != p.Second) SetTime(p.Hour, p.Minute, Value);
}
