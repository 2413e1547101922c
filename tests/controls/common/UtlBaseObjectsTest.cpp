#include "controls/common/TUtlCustomComponent.h"
#include "controls/services/TUtlDateTime.h"
#include "controls/common/TUtlObject.h"
#include "controls/shapes/TUtlPointList.h"
#include "controls/common/UtlConsts.h"

#include "platform/core/DateTime.h"
#include "platform/core/DateTimeParts.h"
#include "platform/core/Exceptions.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// A sub-object with two properties, each setter reporting through Change.
class TTwoValues : public TUtlObject {
public:
    void SetA(int v) {
        FA = v;
        Change();
    }
    void SetB(int v) {
        FB = v;
        Change();
    }

private:
    int FA = 0, FB = 0;
};

constexpr const char* Layout = "yyyy-mm-dd hh:nn:ss.zzz";

// Layout as a value: the date's day with the time of day on it.
TDateTime Moment(const char* text) {
    unsigned y, m, d, h, n, s, z;
    EXPECT_EQ(std::sscanf(text, "%u-%u-%u %u:%u:%u.%u", &y, &m, &d, &h, &n, &s, &z), 7) << text;
    return core::ComposeDateTime(EncodeDate(Word(y), Word(m), Word(d)),
                                 EncodeTime(Word(h), Word(n), Word(s), Word(z)));
}

} // namespace

TEST(UtlChangeProtocolTest, UpdateGroupFiresOnce) {
    TTwoValues obj;
    int fired = 0;
    obj.OnChange = [&](TObject* Sender) {
        ++fired;
        EXPECT_EQ(Sender, &obj);
    };
    obj.BeginUpdate();
    obj.SetA(1);
    obj.SetB(2);
    EXPECT_EQ(fired, 0);
    obj.EndUpdate(true);
    EXPECT_EQ(fired, 1);
    obj.SetA(3);
    EXPECT_EQ(fired, 2);
    obj.BeginUpdate();
    obj.EndUpdate(false);
    EXPECT_EQ(fired, 2);
}

TEST(UtlChangeProtocolTest, LocksDoNotNest) {
    TUtlCustomComponent comp(nullptr);
    int fired = 0;
    comp.OnChange = [&](TObject*) { ++fired; };
    comp.BeginUpdate();
    comp.BeginUpdate();
    comp.EndUpdate(false); // one EndUpdate unlocks
    comp.Change();
    EXPECT_EQ(fired, 1);
    comp.GetChange(nullptr);
    EXPECT_EQ(fired, 2);
}

TEST(UtlDateTimeTest, DefaultsAndFieldSetters) {
    TUtlDateTime dt;
    EXPECT_EQ(dt.Year(), 1990);
    EXPECT_EQ(dt.Month(), 1);
    EXPECT_EQ(dt.Day(), 1);
    EXPECT_EQ(dt.Hour(), 0);
    dt.SetHour(13);
    dt.SetMinute(45);
    dt.SetSecond(30);
    dt.SetYear(2024);
    dt.SetMonth(2);
    dt.SetDay(29);
    EXPECT_EQ(dt.DateTime(), EncodeDate(2024, 2, 29) + EncodeTime(13, 45, 30, 0));
}

TEST(UtlDateTimeTest, EachSetterChangesOneFieldAroundTheBaseDate) {
    const struct {
        const char* From;
        void (TUtlDateTime::*Set)(Word);
        Word Value;
        const char* Want;
    } rows[] = {
        // Before 1899-12-30 the time is taken away from the day: it must stay on that day.
        {"1850-06-10 08:00:00.000", &TUtlDateTime::SetDay, 11, "1850-06-11 08:00:00.000"},
        {"1850-06-10 08:00:00.000", &TUtlDateTime::SetMonth, 7, "1850-07-10 08:00:00.000"},
        {"1850-06-10 08:00:00.000", &TUtlDateTime::SetYear, 1851, "1851-06-10 08:00:00.000"},
        {"1899-12-29 10:30:00.250", &TUtlDateTime::SetHour, 23, "1899-12-29 23:30:00.250"},
        {"1899-12-29 10:30:00.250", &TUtlDateTime::SetMinute, 0, "1899-12-29 10:00:00.250"},
        {"1899-12-29 10:30:00.250", &TUtlDateTime::SetSecond, 5, "1899-12-29 10:30:05.250"},
        // The earliest day, with the latest time of day.
        {"0001-01-01 23:59:59.999", &TUtlDateTime::SetSecond, 0, "0001-01-01 23:59:00.999"},
        // At and across the base date; a date setter drops the milliseconds.
        {"1899-12-29 10:30:00.250", &TUtlDateTime::SetDay, 30, "1899-12-30 10:30:00.000"},
        {"1899-12-30 10:30:00.250", &TUtlDateTime::SetDay, 29, "1899-12-29 10:30:00.000"},
        {"1899-12-30 00:00:00.000", &TUtlDateTime::SetHour, 6, "1899-12-30 06:00:00.000"},
        {"1850-06-10 08:00:00.000", &TUtlDateTime::SetYear, 1990, "1990-06-10 08:00:00.000"},
        {"1990-06-10 08:00:00.000", &TUtlDateTime::SetYear, 1850, "1850-06-10 08:00:00.000"},
        // After it.
        {"1899-12-31 12:00:00.000", &TUtlDateTime::SetMinute, 59, "1899-12-31 12:59:00.000"},
    };
    for (const auto& row : rows) {
        TUtlDateTime dt;
        dt.SetDateTime(Moment(row.From));
        ASSERT_EQ(FormatDateTime(Layout, dt.DateTime()), row.From);
        (dt.*row.Set)(row.Value);
        EXPECT_EQ(FormatDateTime(Layout, dt.DateTime()), row.Want) << "from " << row.From;
        EXPECT_EQ(dt.DateTime(), Moment(row.Want)) << "from " << row.From;
    }
}

TEST(UtlDateTimeTest, ImpossibleDateRaisesAndKeepsTheValue) {
    TUtlDateTime dt;
    dt.SetDateTime(EncodeDate(2023, 1, 31));
    EXPECT_EQ(ErrorOf<EConvertError>([&] { dt.SetMonth(2); }), "Invalid argument to date encode");
    EXPECT_EQ(dt.DateTime(), EncodeDate(2023, 1, 31));
}

TEST(UtlDateTimeTest, AssignCopiesOnlyFromItsOwnClass) {
    TUtlDateTime a, b;
    a.SetDateTime(EncodeDate(2001, 5, 6));
    b.Assign(&a);
    EXPECT_EQ(b.DateTime(), a.DateTime());
    TUtlObject other;
    EXPECT_EQ(ErrorOf<EConvertError>([&] { b.Assign(&other); }),
              "Cannot assign a TUtlObject to a TUtlDateTime");
}

TEST(UtlPointListTest, PointsComeBackUnchanged) {
    TUtlPointList list;
    list.AddPoint(TPoint(100, 200));
    list.AddPoint(TPoint(-5, -32769)); // negative and past 16 bits
    list.AddPoint(TPoint(70000, -1));
    EXPECT_EQ(list.GetPoint(0), TPoint(100, 200));
    EXPECT_EQ(list.GetPoint(1), TPoint(-5, -32769));
    EXPECT_EQ(list.GetPoint(2), TPoint(70000, -1));
    EXPECT_EQ(list.GetPoint(3), TPoint(0, 0));
}

TEST(UtlPointListTest, NotificationsAndUpdates) {
    TUtlPointList list;
    int fired = 0;
    list.OnChange = [&](TObject*) { ++fired; };
    list.AddPoint(TPoint(1, 1));
    EXPECT_EQ(fired, 2); // through PutPoint and once more
    list.PutPoint(0, TPoint(2, 2));
    list.PutPoint(7, TPoint(2, 2)); // outside: ignored, no notice
    EXPECT_EQ(fired, 3);
    list.BeginUpdate();
    list.DeletePoint(0);
    EXPECT_EQ(fired, 3);
    list.EndUpdate(true);
    EXPECT_EQ(fired, 4);
    EXPECT_EQ(list.Count(), 0);
}

TEST(UtlPointListTest, CloneReplacesTheDestination) {
    TUtlPointList a, b;
    a.AddPoint(TPoint(1, 2));
    a.AddPoint(TPoint(3, 4));
    b.AddPoint(TPoint(9, 9));
    a.Clone(&b);
    ASSERT_EQ(b.Count(), 2);
    EXPECT_EQ(b.GetPoint(1), TPoint(3, 4));
}

TEST(UtlConstsTest, TextsAndDockError) {
    EXPECT_EQ(UtlLoadStr(IDS_INTERVALNOTFIT), "Interval not compatible with MinInterval property!");
    EXPECT_EQ(UtlLoadStr(IDS_INVALIDOWNER), "Invalid owner (<>TForm) or second instance on a form");
    EXPECT_EQ(UtlLoadStr(IDS_CDROM), "CD-ROM");
    TComponent a(nullptr), b(nullptr);
    a.SetName("Gomb1");
    b.SetName("Panel1");
    // Raising is the routine's whole purpose: returning without an error fails.
    EXPECT_EQ(ErrorOf<Exception>([&] { UtlRaiseDockError(&a, &b); }),
              "Component Gomb1:\rA TUtlDockLabel- or Button component was already attached to the "
              "component: Panel1\rOnly one UtlDockXXXX per control is allowed.");
}
