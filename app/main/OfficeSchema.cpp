#include "app/main/OfficeSchema.h"

#include "platform/core/StrUtils.h"

#include <cctype>
#include <sstream>

namespace app {

namespace {

struct Schema {
    std::vector<String> Tables;
    sqlite::SchemaNames Names;
};

// The first word of a line: a name of letters, digits and underscores.
String LeadingName(const String& line) {
    std::size_t end = 0;
    while (end < line.size() && (std::isalnum(static_cast<unsigned char>(line[end])) || line[end] == '_'))
        ++end;
    return line.substr(0, end);
}

// A table is "CREATE TABLE name (" followed by one column a line, up to the line
// that starts with ")", the layout the schema keeps.
Schema Parse(const char* sql) {
    static const String tableStart = "CREATE TABLE ";
    Schema schema;
    std::istringstream lines(sql);
    bool inTable = false;
    for (String line; std::getline(lines, line);) {
        if (line.starts_with(tableStart)) {
            const String table = LowerCase(LeadingName(line.substr(tableStart.size())));
            schema.Tables.push_back(table);
            schema.Names.insert(table);
            inTable = true;
        } else if (inTable && line.starts_with(")")) {
            inTable = false;
        } else if (inTable) {
            const String column = LowerCase(LeadingName(Trim(line)));
            if (!column.empty()) schema.Names.insert(column);
        }
    }
    return schema;
}

const Schema& TheSchema() {
    static const Schema schema = Parse(OfficeSchemaSql);
    return schema;
}

} // namespace

const std::vector<String>& OfficeTables() {
    return TheSchema().Tables;
}

const sqlite::SchemaNames& OfficeSchemaNames() {
    return TheSchema().Names;
}

} // namespace app
