#include "report/common/rpNameLookup.h"

#include "platform/core/StrUtils.h"
#include "platform/core/TStrings.h"
#include "platform/data/TDataSet.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TScreen.h"
#include "report/common/detail/rpGlobals.h"
#include "report/common/detail/rpReportLink.h"

#include <string_view>
#include <typeinfo>
#include <vector>

namespace {

TComponent* FindForm(std::string_view Name) {
    for (Integer i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (AnsiSameText(form->Name(), Name)) return form;
    }
    return nullptr;
}

// The dots that separate the parts of a field reference: how many there are and where
// the first two stand.
struct SeparatorDots {
    explicit SeparatorDots(const String& s) {
        bool quoted = false;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '"') quoted = !quoted;
            if (s[i] == '.' && !quoted) {
                if (Count < 2) At[Count] = i;
                ++Count;
            }
        }
    }
    std::size_t Count = 0;
    std::size_t At[2] = {0, 0};
};

String Unquoted(std::string_view s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
    return String(s);
}

// Component as a data set, or null: dynamic_cast's answer. Whether a component is a data
// set depends on its class alone, and a report asks about the same few data sets for
// every value, so the answer for the last class asked about is kept.
TDataSet* AsDataSet(TComponent* Component) {
    if (!Component) return nullptr;
    static const std::type_info* lastClass = nullptr;
    static bool lastIsDataSet = false;
    const std::type_info& kind = typeid(*Component);
    if (lastClass && *lastClass == kind) return lastIsDataSet ? static_cast<TDataSet*>(Component) : nullptr;
    TDataSet* dataSet = dynamic_cast<TDataSet*>(Component);
    lastClass = &kind;
    lastIsDataSet = dataSet != nullptr;
    return dataSet;
}

TComponent* ReportOwner() {
    return rpReportOwner(CurReport);
}

} // namespace

TComponent* rpFindComponent(TComponent* Owner, const String& Name) {
    const std::size_t dot = Name.find('.');
    if (dot != String::npos) {
        TComponent* form = FindForm(Name.substr(0, dot));
        return form ? form->FindComponent(Copy(Name.substr(dot + 1), 1, 255)) : nullptr;
    }
    return Owner ? Owner->FindComponent(Name) : nullptr;
}

TDataSet* rpGetDataSet(const String& Name) {
    return dynamic_cast<TDataSet*>(rpFindComponent(ReportOwner(), Name));
}

void rpGetDataSetAndField(const String& ComplexName, TDataSet*& DataSet, TField*& Field) {
    Field = nullptr;
    const SeparatorDots dots(ComplexName);
    const std::string_view name = ComplexName;
    std::string_view fieldName;
    if (dots.Count >= 2) {
        TComponent* form = FindForm(name.substr(0, dots.At[0]));
        const String dataSetName(name.substr(dots.At[0] + 1, dots.At[1] - dots.At[0] - 1));
        DataSet = form ? AsDataSet(form->FindComponent(dataSetName)) : nullptr;
        fieldName = name.substr(dots.At[1] + 1);
    } else if (dots.Count == 1) {
        DataSet = AsDataSet(rpFindComponent(ReportOwner(), ComplexName.substr(0, dots.At[0])));
        fieldName = name.substr(dots.At[0] + 1);
    } else {
        if (!DataSet) return;
        fieldName = name;
    }
    if (DataSet) Field = DataSet->FindField(Unquoted(fieldName));
}

void rpGetComponents(TComponent* Owner, const std::function<bool(TComponent*)>& IsOfClass, TStrings* List,
                     TComponent* Skip) {
    List->Clear();
    for (Integer f = 0; f < Screen->FormCount(); ++f) {
        TCustomForm* form = Screen->Forms(f);
        for (Integer i = 0; i < form->ComponentCount(); ++i) {
            TComponent* c = form->Components(i);
            if (c == Skip || !IsOfClass(c)) continue;
            List->Add(form == Owner ? c->Name() : form->Name() + "." + c->Name());
        }
    }
}
