#include "app/common/ChangedValues.h"

#include "platform/core/NumberFormat.h"

namespace app {

ChangedValues& ChangedValues::Add(const String& Name, const String& Shown, const String& Current,
                                  const String& Sql) {
    return Add(Name, Shown != Current, Sql);
}

ChangedValues& ChangedValues::Add(const String& Name, bool Changed, const String& Sql) {
    if (Changed) FChanged.push_back({Name, Sql});
    return *this;
}

String ChangedValues::UpdateSql(const String& Table, Integer Key) const {
    if (FChanged.empty()) return {};
    String sets;
    for (const ChangedValue& value : FChanged)
        sets += (sets.empty() ? "" : ", ") + value.Name + "=" + value.Sql;
    return "UPDATE " + Table + " SET " + sets + " WHERE sorszam=" + IntToStr(Key);
}

} // namespace app
