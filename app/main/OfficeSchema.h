#pragma once
// The office database's shape as resources/schema.sql gives it (built into the
// program): the tables the start-up check looks for, and the table and column
// names the main window's connection expects, so that a database lacking one says
// it is of another shape.
#include "sqlite/EngineError.h"

#include <vector>

namespace app {

// The text of resources/schema.sql (generated when the build is configured).
extern const char* const OfficeSchemaSql;

// The tables of the schema, in its order.
const std::vector<String>& OfficeTables();

// Every table and column name of the schema, in lower case.
const sqlite::SchemaNames& OfficeSchemaNames();

} // namespace app
