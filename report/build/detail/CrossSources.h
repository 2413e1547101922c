#pragma once
// The column sources of cross-tab rows. A cross data band whose description
// holds ";" lists, as "band=data source;" entries, which row band takes its
// columns from which data source.
#include "platform/core/Types.h"

#include <vector>

class TComponent;
class TrpBand;

namespace report {

// Gives each band of Rows whose view's name (ignoring case) an entry of Text
// names the column source that entry names, resolved among Owner's components
// as a band's own source is: a number makes a source of that many records, an
// unknown name none, and a component of another class raises EInvalidCast. A
// band named twice takes the last entry. Blanks around names are dropped. An
// entry without "=" or without its closing ";" raises EConvertError naming the
// text, and then no band takes a source: a text cut short binds nothing.
void BindCrossSources(const String& Text, const std::vector<TrpBand*>& Rows, TComponent* Owner);

} // namespace report
