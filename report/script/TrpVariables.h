#pragma once
// TrpVariables: a small list of named values in the order they were added.
// The engine keeps one process-wide list, rpVariables, into which the host
// application puts its values (such as "REGUSER") before it shows a report;
// report expressions and scripts read them back. Names are compared ignoring
// case, Hungarian letters included.
#include "platform/core/TObject.h"
#include "platform/core/Variant.h"

#include <vector>

class TrpVariables : public TObject {
public:
    String ClassName() const override { return "TrpVariables"; }

    // Sets the first item of that name, or appends a new item.
    void SetVariable(const String& Name, const Variant& Value);
    // The first matching item's value; Null when there is none.
    Variant GetVariable(const String& Name) const;
    // Position of the first matching item; -1 when there is none.
    Integer IndexOf(const String& Name) const;
    // An index outside 0..Count-1 is ignored.
    void SetValue(Integer Index, const Variant& Value);
    // The integer 0 for an index outside 0..Count-1.
    Variant GetValue(Integer Index) const;
    // Empty for an index outside 0..Count-1.
    String GetName(Integer Index) const;
    Integer GetCount() const { return static_cast<Integer>(FItems.size()); }
    // An index outside 0..Count-1 is ignored.
    void Delete(Integer Index);
    void Clear();

private:
    struct Item {
        String Name;
        Variant Value;
    };
    bool InRange(Integer Index) const { return Index >= 0 && Index < GetCount(); }

    std::vector<Item> FItems;
};

// The engine's global list; exists between rpInitEngine and rpDoneEngine.
extern TrpVariables* rpVariables;
