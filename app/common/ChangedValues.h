#pragma once
// What a dialog's save writes: only the values the user changed in this showing of the
// dialog, each compared with what the dialog showed when it was filled. Offices share one
// database file, so a value another workstation stored while the dialog stood open stays
// as that workstation left it unless the user changed the same value here (then the last
// save wins). The record dialogs set only the changed columns with one UPDATE (UpdateSql,
// run by ExecUpdate of QueryRun.h); the settings dialog replaces only the changed info keys,
// one DELETE and INSERT each (Changed). Nothing changed: nothing is written.
#include "platform/core/Types.h"

#include <vector>

namespace app {

// One value a save writes: a column or an info key, and its value as a statement writes it.
struct ChangedValue {
    String Name;
    String Sql;
    bool operator==(const ChangedValue&) const = default;
};

class ChangedValues {
public:
    // Name showed Shown when the dialog was filled and holds Current now: a save writes Sql
    // when the two differ.
    ChangedValues& Add(const String& Name, const String& Shown, const String& Current, const String& Sql);
    // A value whose control answers itself whether the user changed it (a flag box, a date
    // picker, a list choice): a save writes Sql when Changed.
    ChangedValues& Add(const String& Name, bool Changed, const String& Sql);

    // The changed values in the order they were added; none when the user changed nothing.
    const std::vector<ChangedValue>& Changed() const { return FChanged; }
    bool Empty() const { return FChanged.empty(); }
    // "UPDATE Table SET Name=Sql, … WHERE sorszam=Key" over the changed values; empty when
    // nothing changed.
    String UpdateSql(const String& Table, Integer Key) const;

private:
    std::vector<ChangedValue> FChanged;
};

} // namespace app
