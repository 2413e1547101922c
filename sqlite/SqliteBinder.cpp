#include "sqlite/SqliteBinder.h"

#include "platform/core/DateTime.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"
#include "sqlite/TSqlite3DB.h"

#include <cmath>

namespace sqlite {

namespace {

// The locale's time separator must not leak into stored dates.
const TFormatSettings& EngineSettings() {
    static const TFormatSettings settings = [] {
        TFormatSettings s = TFormatSettings::English();
        s.DateSeparator = "-";
        s.TimeSeparator = ":";
        s.DecimalSeparator = ".";
        return s;
    }();
    return settings;
}

// Largest integer a double holds exactly.
constexpr Int64 ExactDoubleLimit = Int64(1) << 53;

} // namespace

String SqlDateText(TDateTime Value) {
    return FormatDateTime("yyyy-mm-dd", Value, EngineSettings());
}

// The milliseconds follow a full stop, not a third separator ("14:07:09.042", never
// "14:07:09:042"): the engine's date and time functions (strftime, time, julianday, which
// the office's triggers and queries run on stored dates) answer NULL for the colon form,
// and the datasets read a stored time back by cutting its fraction at the full stop, so a
// colon-separated one would come back as midnight.
String SqlTimeText(TDateTime Value) {
    return FormatDateTime("hh:nn:ss.zzz", Value, EngineSettings());
}

String SqlDateTimeText(TDateTime Value) {
    return FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", Value, EngineSettings());
}

int BindNull(TSqlite3DB& db, sqlite3_stmt* statement, int index) {
    return db.Api().bind_null(statement, index);
}

int BindInteger(TSqlite3DB& db, sqlite3_stmt* statement, int index, Int64 value) {
    if (value >= INT32_MIN && value <= INT32_MAX)
        return db.Api().bind_int(statement, index, static_cast<int>(value));
    // The bound entry points have no 64-bit integer binding: a double carries the
    // value exactly up to 2^53 (the engine stores it as an integer in an integer
    // column), and the decimal text beyond that.
    if (value >= -ExactDoubleLimit && value <= ExactDoubleLimit)
        return db.Api().bind_double(statement, index, static_cast<double>(value));
    const String text = IntToStr(value);
    return db.Api().bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

int BindFloat(TSqlite3DB& db, sqlite3_stmt* statement, int index, double value) {
    return db.Api().bind_double(statement, index, value);
}

int BindText(TSqlite3DB& db, sqlite3_stmt* statement, int index, const String& value) {
    const std::string bytes = db.ToEngine(value);
    return db.Api().bind_text(statement, index, bytes.data(), static_cast<int>(bytes.size()),
                              SQLITE_TRANSIENT);
}

int BindWideText(TSqlite3DB& db, sqlite3_stmt* statement, int index, const String& value) {
    return db.Api().bind_text(statement, index, value.data(), static_cast<int>(value.size()),
                              SQLITE_TRANSIENT);
}

int BindBlob(TSqlite3DB& db, sqlite3_stmt* statement, int index, const std::string& bytes) {
    return db.Api().bind_blob(statement, index, bytes.data(), static_cast<int>(bytes.size()),
                              SQLITE_TRANSIENT);
}

std::string MemoBytes(const TSqlite3DB& db, const String& text) {
    return db.ToEngine(text);
}

} // namespace sqlite
