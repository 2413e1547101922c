#include "report/build/detail/CrossSources.h"

#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "report/build/TrpBand.h"
#include "report/build/TrpDataset.h"
#include "report/views/TrpBandView.h"

#include <utility>

namespace report {

namespace {

// The entries as band and source names; the whole text is read before any band
// takes a source, so a malformed entry anywhere leaves every band as it was.
std::vector<std::pair<String, String>> Entries(const String& Text) {
    std::vector<std::pair<String, String>> entries;
    std::size_t pos = 0;
    while (pos < Text.size()) {
        const std::size_t semi = Text.find(';', pos);
        const std::size_t eq = Text.find('=', pos);
        if (semi == String::npos || eq == String::npos || eq > semi)
            throw EConvertError("Invalid cross-tab description '" + Text + "'");
        entries.emplace_back(Trim(Text.substr(pos, eq - pos)), Trim(Text.substr(eq + 1, semi - eq - 1)));
        pos = semi + 1;
    }
    return entries;
}

} // namespace

void BindCrossSources(const String& Text, const std::vector<TrpBand*>& Rows, TComponent* Owner) {
    for (const auto& [bandName, source] : Entries(Text))
        for (TrpBand* b : Rows)
            if (b->View && AnsiSameText(b->View->Name, bandName)) {
                bool owned = false;
                TrpDataset* ds = rpResolveBandDataSet(Owner, source, owned);
                b->SetVCDataSet(ds, owned);
            }
}

} // namespace report
