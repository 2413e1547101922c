#include "report/views/detail/RichExpansion.h"

#include "platform/core/Utf8.h"
#include "platform/graphics/TRichDocument.h"
#include "report/script/detail/TrpParser.h"

#include <algorithm>

namespace report {

namespace {

Integer Chars(const String& s, std::size_t from, std::size_t count) {
    return static_cast<Integer>(core::Utf8Length(std::string_view(s).substr(from, count)));
}

// An expression: where its "[" stands, how many characters it spans with its
// brackets, and the text between them.
struct Expression {
    Integer At = 0, Count = 0;
    String Text;
};

// The expressions of Doc in order, in one pass over each paragraph, so a
// paragraph of any length with any number of them costs its length once.
std::vector<Expression> Expressions(const TRichDocument& Doc) {
    std::vector<Expression> found;
    for (Integer line = 0; line < Doc.LineCount(); ++line) {
        const String text = Doc.Line(line);
        Integer at = Doc.LineStart(line); // the character at byte `done`
        std::size_t done = 0;
        for (std::size_t open = text.find('['); open != String::npos; open = text.find('[', done)) {
            Integer i = static_cast<Integer>(open) + 1, j = i;
            const String expr = GetBrackedVariable(text, i, j);
            if (i == j) break;
            const std::size_t from = static_cast<std::size_t>(i - 1);
            const std::size_t count = std::min(static_cast<std::size_t>(j - i + 1), text.size() - from);
            at += Chars(text, done, from - done);
            const Integer chars = Chars(text, from, count);
            found.push_back({at, chars, expr});
            at += chars;
            done = from + count;
        }
    }
    return found;
}

} // namespace

void ExpandRich(TRichDocument& Doc, const GetValueFn& GetValue) {
    const std::vector<Expression> found = Expressions(Doc);
    std::vector<String> values;
    values.reserve(found.size());
    for (const Expression& e : found)
        values.push_back(GetValue(e.Text));
    // From the last to the first: a value put in moves no expression before it,
    // and none is scanned again.
    for (std::size_t k = found.size(); k-- > 0;)
        Doc.Replace(found[k].At, found[k].Count, values[k]);
}

std::vector<String> RichExpressions(const TRichDocument& Doc) {
    std::vector<String> texts;
    for (Expression& e : Expressions(Doc))
        texts.push_back(std::move(e.Text));
    return texts;
}

} // namespace report
