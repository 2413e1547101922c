#pragma once
// The update templates of TSqlite3UpdateSQL turned into the statements a post or
// delete runs. Field values reach the statements as ":name" placeholders, bound
// by name when the statement runs.
#include "platform/core/Types.h"

#include <vector>

namespace sqlite {

// "update T set a=:a, b=* where ..." gives "update T set a=:a,b=:b where ...";
// "update T * where ..." assigns every field of fieldNames. Raises SqliteError
// "SQL macro syntax error on sql, expected <keyword>" for a missing keyword.
String BuildUpdateStatement(const String& Template, const std::vector<String>& fieldNames);
// "insert into T (a, b) values (:a, :b)" gives "insert into T (a,b) values (:a,:b)";
// "insert into T *" lists every field of fieldNames. Raises the keyword error, or
// SqliteError "SQL macro syntax error on insertsql, expected ( or *".
String BuildInsertStatement(const String& Template, const std::vector<String>& fieldNames);
// "delete from T where ..." as written. Raises the keyword error.
String BuildDeleteStatement(const String& Template);

} // namespace sqlite
