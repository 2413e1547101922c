#include "sqlite/UpdateTemplate.h"

#include "platform/core/StrUtils.h"
#include "sqlite/SqliteError.h"
#include "sqlite/SqliteRout.h"

namespace sqlite {

namespace {

// Reads a template token by token.
class TemplateReader {
public:
    explicit TemplateReader(const String& text) : FText(text) {}

    String Next() {
        // Single characters leave the kind alone; they must not pass for the
        // kind of the word before them.
        FKind = 0;
        GetWord(FText, FPos, FKind, FWord);
        return FWord;
    }
    Integer Kind() const { return FKind; }
    bool AtEnd() const { return FKind == wkEnd; }

    // The next word must be keyword (any case).
    void Expect(const char* keyword) { SyntaxCheck(Next(), keyword); }
    // Everything after the word just read, unchanged.
    String Rest() const { return FText.substr(std::min<std::size_t>(FPos - 1, FText.size())); }

    // The word just read as SQL text: quoted literals keep their quotes.
    String Literal() const {
        if (FKind == wkSingleQuoted) return QuotedStr(FWord);
        if (FKind == wkDoubleQuoted) return AnsiQuotedStr(FWord, '"');
        return FWord;
    }

private:
    const String& FText;
    Integer FPos = 1;
    Integer FKind = 0;
    String FWord;
};

String Join(const std::vector<String>& items, const String& prefix) {
    String out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += ",";
        out += prefix + items[i];
    }
    return out;
}

} // namespace

String BuildUpdateStatement(const String& Template, const std::vector<String>& fieldNames) {
    TemplateReader reader(Template);
    reader.Expect("update");
    String sql = "update " + reader.Next() + " set ";
    String word = reader.Next();
    if (word == "*") {
        for (std::size_t i = 0; i < fieldNames.size(); ++i)
            sql += (i > 0 ? "," : "") + fieldNames[i] + "=:" + fieldNames[i];
        reader.Expect("where");
    } else {
        SyntaxCheck(word, "set");
        for (;;) {
            word = reader.Next();
            if (SameText(word, "where")) break;
            // A template without "where" would otherwise update every row.
            if (reader.AtEnd()) SyntaxCheck(word, "where");
            if (word == ",") {
                sql += ",";
                continue;
            }
            const String column = word;
            reader.Expect("=");
            String value = reader.Next();
            if (reader.Kind() == wkParam) value = reader.Next();
            if (value == "*") value = column;
            sql += column + "=:" + value;
        }
    }
    return sql + " where " + reader.Rest();
}

String BuildInsertStatement(const String& Template, const std::vector<String>& fieldNames) {
    TemplateReader reader(Template);
    reader.Expect("insert");
    reader.Expect("into");
    const String table = reader.Next();
    const String word = reader.Next();
    if (word == "*")
        return "insert into " + table + " (" + Join(fieldNames, "") + ") values (" + Join(fieldNames, ":") +
               ")";
    if (word != "(") throw SqliteError("SQL macro syntax error on insertsql, expected ( or *");

    std::vector<String> columns;
    for (;;) {
        const String column = reader.Next();
        if (reader.AtEnd()) SyntaxCheck(column, ")");
        columns.push_back(column);
        const String separator = reader.Next();
        if (separator == ")") break;
        if (reader.AtEnd()) SyntaxCheck(separator, ")");
    }
    reader.Expect("values");
    reader.Expect("(");
    std::vector<String> values;
    for (;;) {
        String value = reader.Next();
        if (reader.AtEnd()) SyntaxCheck(value, ")");
        if (reader.Kind() == wkParam)
            value = ":" + reader.Next();
        else
            value = reader.Literal();
        values.push_back(value);
        const String separator = reader.Next();
        if (separator == ")") break;
        if (reader.AtEnd()) SyntaxCheck(separator, ")");
    }
    return "insert into " + table + " (" + Join(columns, "") + ") values (" + Join(values, "") + ")";
}

String BuildDeleteStatement(const String& Template) {
    TemplateReader reader(Template);
    reader.Expect("delete");
    reader.Expect("from");
    const String table = reader.Next();
    reader.Expect("where");
    return "delete from " + table + " where " + reader.Rest();
}

} // namespace sqlite
