#include "report/detail/RichExpansion.h"

#include "platform/core/Utf8.h"
#include "platform/graphics/TRichDocument.h"
#include "report/detail/TrpParser.h"

#include <functional>

namespace report {

namespace {

Integer Chars(const String& s, std::size_t from, std::size_t count) {
    return static_cast<Integer>(core::Utf8Length(std::string_view(s).substr(from, count)));
}

// Meets the expressions of Doc in order; Found(at, count, expr) answers how
// many characters stand at `at` afterwards, and the scan goes on behind them.
void Scan(const TRichDocument& Doc, const std::function<Integer(Integer, Integer, const String&)>& Found) {
    Integer pos = 0; // where scanning goes on
    while (pos < Doc.Length()) {
        const Integer line = Doc.LineAt(pos);
        const Integer start = Doc.LineStart(line);
        const String text = Doc.Line(line);
        const std::size_t offset = core::Utf8Offset(text, static_cast<std::size_t>(pos - start));
        const std::size_t open = text.find('[', offset);
        Integer i = open == String::npos ? 0 : static_cast<Integer>(open) + 1, j = i;
        const String expr = open == String::npos ? String() : GetBrackedVariable(text, i, j);
        if (open == String::npos || i == j) {
            if (line + 1 >= Doc.LineCount()) return;
            pos = Doc.LineStart(line + 1);
            continue;
        }
        const std::size_t from = static_cast<std::size_t>(i - 1);
        const std::size_t count = std::min(static_cast<std::size_t>(j - i + 1), text.size() - from);
        const Integer at = start + Chars(text, 0, from);
        pos = at + Found(at, Chars(text, from, count), expr);
    }
}

} // namespace

void ExpandRich(TRichDocument& Doc, const GetValueFn& GetValue) {
    Scan(Doc, [&](Integer At, Integer Count, const String& Expr) {
        const String value = GetValue(Expr);
        Doc.Replace(At, Count, value);
        String inserted = value;
        // "\r\n" becomes one paragraph end.
        for (std::size_t k = inserted.find("\r\n"); k != String::npos; k = inserted.find("\r\n", k))
            inserted.erase(k, 1);
        return static_cast<Integer>(core::Utf8Length(inserted));
    });
}

std::vector<String> RichExpressions(const TRichDocument& Doc) {
    std::vector<String> found;
    Scan(Doc, [&](Integer, Integer Count, const String& Expr) {
        found.push_back(Expr);
        return Count;
    });
    return found;
}

} // namespace report
