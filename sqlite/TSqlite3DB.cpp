#include "sqlite/TSqlite3DB.h"

#include "platform/core/CodePages.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileUtils.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/HungarianCollation.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/StrUtils.h"
#include "sqlite/EngineError.h"
#include "sqlite/LikeMatch.h"
#include "sqlite/ResultTarget.h"
#include "sqlite/SqliteError.h"
#include "sqlite/TSqlite3Log.h"
#include "sqlite/TSqlite3Pragma.h"
#include "sqlite/Transaction.h"

#include <array>
#include <string>

namespace {

bool IsMemoryDatabase(const String& name) {
    return SameText(name, ":memory:");
}

// Blanks and control characters, as the runtime's Trim removes them.
String TrimControls(const String& s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return s.substr(b, e - b);
}

// The collations sort every list by name; a sort calls them many times per row.
template <core::TCollationCase Mode>
int CompareCollated(void* connection, int length1, const void* text1, int length2, const void* text2) {
    const auto* db = static_cast<const TSqlite3DB*>(connection);
    std::string_view a(static_cast<const char*>(text1), static_cast<std::size_t>(length1));
    std::string_view b(static_cast<const char*>(text2), static_cast<std::size_t>(length2));
    if (db->UTF8()) return core::HungarianCompare(a, b, Mode);
    return core::HungarianCompareCodePage(a, b, Mode, CP_WINDOWS_1250);
}

// The value and result calls of the engine library the LIKE below was
// registered with. Every connection loads the one system engine, so the
// process keeps one copy; it is set before any statement can call LIKE.
struct LikeCalls {
    decltype(&::sqlite3_value_text) ValueText = nullptr;
    decltype(&::sqlite3_value_bytes) ValueBytes = nullptr;
    decltype(&::sqlite3_value_type) ValueType = nullptr;
    decltype(&::sqlite3_result_int) ResultInt = nullptr;
    decltype(&::sqlite3_result_null) ResultNull = nullptr;
    decltype(&::sqlite3_result_error) ResultError = nullptr;
};
LikeCalls Like;

std::string_view ValueText(sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(Like.ValueText(value));
    return text ? std::string_view(text, static_cast<std::size_t>(Like.ValueBytes(value)))
                : std::string_view();
}

// LIKE(pattern, text [, escape]); the engine hands "x LIKE y" over as (y, x).
// Utf8 tells whether the connection stores UTF-8 or code page 1250.
template <bool Utf8> void LikeFunction(sqlite3_context* context, int count, sqlite3_value** values) {
    for (int i = 0; i < count; ++i) {
        if (Like.ValueType(values[i]) == SQLITE_NULL) {
            Like.ResultNull(context);
            return;
        }
    }
    char32_t escape = 0;
    if (count == 3) {
        const std::string_view escapeBytes = ValueText(values[2]);
        const String escapeText = Utf8 ? String(escapeBytes) : CodePageToUtf8(escapeBytes, CP_WINDOWS_1250);
        if (Length(escapeText) != 1) {
            Like.ResultError(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = CharCodeAt(escapeText, 1);
    }
    const std::string_view pattern = ValueText(values[0]);
    const std::string_view text = ValueText(values[1]);
    const bool match = Utf8 ? sqlite::LikeMatch(pattern, text, escape)
                            : sqlite::LikeMatchCodePage(pattern, text, escape, CP_WINDOWS_1250);
    Like.ResultInt(context, match ? 1 : 0);
}

} // namespace

TSqlite3DB::TSqlite3DB(TComponent* AOwner) : TComponent(AOwner) {}

TSqlite3DB::~TSqlite3DB() {
    try {
        DBConnect(false);
    } catch (...) {
        // A handler that raises while the program shuts down must not end it.
        FLibrary.Release();
    }
}

void TSqlite3DB::SetTimeOut(Integer Value) {
    FTimeOut = Value;
    if (FConnected && FHandle) FBusyWait.Install(Api(), FHandle, Value);
}

void TSqlite3DB::FSetDatabase(const String& Value) {
    FDatabase = TrimControls(Value);
    if (ExtractFileExt(FDatabase).empty() && !IsMemoryDatabase(FDatabase)) FDatabase += FDefaultExt;
}

void TSqlite3DB::SetSqlitePragma(TSqlite3Pragma* Value) {
    FSqlitePragma = Value;
    if (Value) Value->FreeNotification(this);
}

void TSqlite3DB::SetSqliteLog(TSqlite3Log* Value) {
    FSqliteLog = Value;
    if (Value) Value->FreeNotification(this);
}

void TSqlite3DB::SetSqliteInlineSQL(TComponent* Value) {
    FSqliteInlineSQL = Value;
    if (Value) Value->FreeNotification(this);
}

String TSqlite3DB::FGetDefaultExt() {
    if (FDefaultExt.empty()) FDefaultExt = ".sqb";
    return FDefaultExt;
}

String TSqlite3DB::FGetDriverDLL() {
    if (FDriverDLL.empty()) FDriverDLL = "SQLite3.dll";
    return FDriverDLL;
}

std::string TSqlite3DB::ToEngine(std::string_view Text) const {
    if (FUTF8) return std::string(Text);
    return Utf8ToCodePage(Text, CP_WINDOWS_1250);
}

String TSqlite3DB::FromEngine(std::string_view Text) const {
    if (FUTF8) return String(Text);
    return CodePageToUtf8(Text, CP_WINDOWS_1250);
}

void TSqlite3DB::AppendFromEngine(std::string_view Text, String& Out) const {
    if (FUTF8)
        Out.append(Text);
    else
        AppendCodePageAsUtf8(Out, Text, CP_WINDOWS_1250);
}

void TSqlite3DB::DBConnect(bool Connect) {
    FUTF8 = FCharacterEncoding.empty() || SameText(FCharacterEncoding, "utf8");
    if (!Connect) {
        Disconnect();
        return;
    }
    // A second engine connection over the first would leak the first one.
    if (FConnected) return;
    this->Connect();
}

void TSqlite3DB::Open() {
    DBConnect(true);
    if (!FLibrary.Loaded()) DBConnect(false);
}

void TSqlite3DB::Close() {
    DBConnect(false);
}

String TSqlite3DB::DatabasePath() {
    if (IsMemoryDatabase(FDatabase)) return FDatabase;
    if (!FDefaultDir.empty()) {
        const char last = FDefaultDir.back();
        if (last != '\\' && last != '/') FDefaultDir += FDefaultDir.find('\\') != String::npos ? "\\" : "/";
        return FDefaultDir + FDatabase;
    }
    if (FDatabase.find_first_of("\\/") == String::npos) return GetCurrentDir() + "/" + FDatabase;
    return FDatabase;
}

bool TSqlite3DB::LoadLibs() {
    // The engine writes numbers with a full stop; a separator that is neither a
    // comma nor a full stop would garble every number the program reads back.
    if (FormatSettings.DecimalSeparator != "," && FormatSettings.DecimalSeparator != ".")
        FormatSettings.DecimalSeparator = ".";
    if (FLibrary.Loaded()) return true;
    return FLibrary.Load(FGetDriverDLL());
}

void TSqlite3DB::Connect() {
    if (FDatabase.empty()) throw SqliteError("Missing database property");
    const String path = DatabasePath();
    const bool memory = IsMemoryDatabase(FDatabase);
    if (!memory && FMustExist && !FileExists(path))
        throw EDatabaseError("Database " + path + " does not exist");

    if (!FLibrary.Loaded() && !LoadLibs()) {
        FConnected = false;
        throw SqliteError("Could not load SQLite library(" + FGetDriverDLL() + ")");
    }
    FConnected = true;
    FVersion = Api().libversion();
    FHandle = nullptr;
    {
        const core::ScopeFail notConnected([this] { FConnected = false; });
        if (BeforeConnect) BeforeConnect(this);
        // File names are UTF-8 on this system, whatever the engine's age; the
        // engine knows the in-memory name only in lower case.
        const String fileName = memory ? String(":memory:") : NormalizePath(path);
        const int rc = Api().open(fileName.c_str(), &FHandle);
        if (rc != SQLITE_OK || !FHandle) {
            if (FHandle) Api().close(FHandle);
            FHandle = nullptr;
            throw SqliteError("Cannot open database");
        }
    }
    RegisterCollations();
    RegisterLike();
    if (AfterConnect) AfterConnect(this);
    if (FSqlitePragma) ExecPragma();
    if (FExecuteInlineSQL && FSqliteInlineSQL) {
        FExecuteInlineSQL = false;
        if (const auto* script = dynamic_cast<sqlite::InlineScript*>(FSqliteInlineSQL)) {
            // Half a start-up script must not be committed by a later commit.
            sqlite::Transaction transaction(*this);
            SQLite3_ExecSQL(script->ScriptText(), nullptr);
            transaction.Commit();
        }
    }
    if (FConnected && FTimeOut > 0) SetTimeOut(FTimeOut);
}

void TSqlite3DB::RegisterLike() {
    const sqlite::EngineApi& api = Api();
    Like = {api.value_text, api.value_bytes, api.value_type,
            api.result_int, api.result_null, api.result_error};
    auto* function = FUTF8 ? &LikeFunction<true> : &LikeFunction<false>;
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    api.create_function(FHandle, "like", 2, flags, nullptr, function, nullptr, nullptr);
    api.create_function(FHandle, "like", 3, flags, nullptr, function, nullptr, nullptr);
}

void TSqlite3DB::RegisterCollations() {
    Api().create_collation(FHandle, "systemnocase", SQLITE_UTF8, this,
                           &CompareCollated<core::TCollationCase::Ignore>);
    Api().create_collation(FHandle, "system", SQLITE_UTF8, this,
                           &CompareCollated<core::TCollationCase::Observe>);
}

void TSqlite3DB::Disconnect() {
    if (!FConnected) return;
    if (FLibrary.Loaded()) {
        if (BeforeDisconnect) BeforeDisconnect(this);
        if (TComponent* owner = Owner()) {
            for (Integer i = 0; i < owner->ComponentCount(); ++i) {
                auto* target = dynamic_cast<sqlite::ResultTarget*>(owner->Components(i));
                if (target && target->ResultConnection() == this) target->CloseForDisconnect();
            }
        }
        CloseOpenResults();
        // A connection the engine refuses to close would leak with the library gone.
        // The engine refuses while a statement lives: a fault of the program,
        // not the busy database the advice line would speak of.
        if (FHandle && Api().close(FHandle) != SQLITE_OK) ShowError();
        FHandle = nullptr;
        FLibrary.Release();
        if (AfterDisconnect) AfterDisconnect(this);
    }
    FHandle = nullptr;
    FConnected = false;
}

void TSqlite3DB::CloseOpenResults() {
    // Closing one dataset may close others (its details), so take them one by one.
    while (!FOpenResults.empty()) {
        const auto [statement, target] = FOpenResults.front();
        target->CloseForDisconnect();
        if (!FOpenResults.empty() && FOpenResults.front().first == statement) {
            FOpenResults.erase(FOpenResults.begin());
            Api().reset(statement);
            Api().finalize(statement);
        }
    }
}

void TSqlite3DB::ShowError() {
    RaiseEngineError(SQLITE_ERROR);
}

void TSqlite3DB::RaiseEngineError(int ResultCode) {
    String message;
    if (FLibrary.Loaded() && FHandle) message = FromEngine(Api().errmsg(FHandle));
    sqlite::RaiseEngineError(ResultCode, message, FLastSQL, FExpectedSchema);
}

bool TSqlite3DB::EnsureConnected() {
    if (!FConnected) DBConnect(true);
    return FConnected;
}

void TSqlite3DB::RunTransactionStatement(const char* SQL) {
    if (EnsureConnected()) SQLite3_ExecSQL(SQL, nullptr);
}

bool TSqlite3DB::InTransaction() const {
    // Asked of the engine each time: a flag of our own would outlive a transaction
    // the engine rolled back by itself, and later saves would join one that is gone.
    return FConnected && FHandle && Api().get_autocommit(FHandle) == 0;
}

void TSqlite3DB::ExecStartTransaction(const String& Kind) {
    const String kind = Kind.empty() ? FTransactionType : Kind;
    if (SameText(kind, "DEFERRED"))
        StartDeferredTransaction();
    else if (SameText(kind, "IMMEDIATE"))
        StartImmediateTransaction();
    else if (SameText(kind, "EXCLUSIVE"))
        StartExclusiveTransaction();
    else
        StartTransaction();
}

void TSqlite3DB::StartTransaction() {
    RunTransactionStatement("begin transaction");
}

void TSqlite3DB::StartDeferredTransaction() {
    RunTransactionStatement("begin deferred transaction");
}

void TSqlite3DB::StartImmediateTransaction() {
    RunTransactionStatement("begin immediate transaction");
}

void TSqlite3DB::StartExclusiveTransaction() {
    RunTransactionStatement("begin exclusive transaction");
}

void TSqlite3DB::Commit() {
    RunTransactionStatement("commit transaction");
}

void TSqlite3DB::RollBack() {
    RunTransactionStatement("rollback transaction");
}

void TSqlite3DB::Vacuum() {
    SQLite3_ExecSQL("VACUUM", nullptr);
}

void TSqlite3DB::ExecPragma() {
    if (!EnsureConnected() || !FSqlitePragma) return;
    const TSqlite3Pragma& p = *FSqlitePragma;
    if (p.TempCacheSize() != 0) SQLite3_ExecSQL("pragma cache_size=" + IntToStr(p.TempCacheSize()), nullptr);
    if (p.DefaultCacheSize() != 0)
        SQLite3_ExecSQL("pragma default_cache_size=" + IntToStr(p.DefaultCacheSize()), nullptr);
    if (!p.DefaultSynchronous().empty())
        SQLite3_ExecSQL("pragma default_synchronous=" + p.DefaultSynchronous(), nullptr);
    if (!p.DefaultTempStore().empty())
        SQLite3_ExecSQL("pragma default_temp_store=" + p.DefaultTempStore(), nullptr);
    if (!p.TempStore().empty()) SQLite3_ExecSQL("pragma temp_store=" + p.TempStore(), nullptr);
    if (!p.Synchronous().empty()) SQLite3_ExecSQL("pragma synchronous=" + p.Synchronous(), nullptr);
}

void TSqlite3DB::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove) {
        if (AComponent == FSqlitePragma) FSqlitePragma = nullptr;
        if (AComponent == FSqliteLog) FSqliteLog = nullptr;
        if (AComponent == FSqliteInlineSQL) FSqliteInlineSQL = nullptr;
    }
    TComponent::Notification(AComponent, Operation);
}
