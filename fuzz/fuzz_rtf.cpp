// Feeds arbitrary bytes to the RTF reader through the rich-text document: it
// must read anything without crashing, and what it writes must read again to
// the same text.
#include "platform/graphics/TRichDocument.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TRichDocument doc, again;
    const std::string_view bytes(reinterpret_cast<const char*>(Data), Size);
    doc.Load(bytes);
    again.Load(doc.SaveToRtf());
    if (again.LineCount() != doc.LineCount() && doc.Length() > 0) std::abort();
    for (Integer k = 0; k < doc.LineCount() && doc.Length() > 0; ++k)
        if (again.Line(k) != doc.Line(k)) std::abort();
    doc.Fit(0, 200, 300, true);
    if (doc.Length() > 2) doc.Replace(1, 1, "x\r\ny");
    return 0;
}
