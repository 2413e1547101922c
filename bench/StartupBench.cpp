// startup_ms / startup_ratio: from creating the main window to its being visible, over
// an office database of 100,000 cases, against the sqlite3 tool opening the same file
// and running the statements the window's start runs, in the same run.
// case_combo_memory_ratio: the heap that the six filled case combos hold (with the keys
// behind them), against the bytes of the names they show.
#include "app/cases/CaseArea.h"
#include "app/main/TForm1.h"
#include "app/registry/Tiktbe.h"
#include "app/registry/Tiktki.h"
#include "bench/OfficeFolder.h"
#include "platform/core/TStrings.h"
#include "sqlite/TSqlite3DB.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TComboBox.h"

#include <benchmark/benchmark.h>

#include <dlfcn.h>
#include <malloc.h>
#include <sqlite3.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using bench::Office;

void BM_Startup(benchmark::State& state) {
    Office();
    Application->Initialize();
    for (auto _ : state) {
        Form1 = new TForm1(nullptr);
        Form1->AfterConstruction();
        Form1->Show();
        while (!Form1->Showing())
            Application->ProcessMessages();
        Application->ProcessMessages();
        state.PauseTiming();
        delete Form1;
        Application->ProcessMessages();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Startup)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5);

// The statements one start of the main window runs, in order, as its connection's trace
// reports them. The sqlite3 tool lacks the program's collation; it sorts with its own
// case-blind one instead.
std::vector<std::string> TraceStartupStatements() {
    std::vector<std::string> statements;
    Office();
    Application->Initialize();
    Form1 = new TForm1(nullptr);
    Form1->Sqlite3DB1->AfterConnect = [&statements, then = Form1->Sqlite3DB1->AfterConnect](TObject* Sender) {
        // The program binds the system engine at run time; its trace entry is taken from
        // the same loaded library.
        void* engine = dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_NOLOAD);
        auto* trace = engine
                          ? reinterpret_cast<decltype(&::sqlite3_trace_v2)>(dlsym(engine, "sqlite3_trace_v2"))
                          : nullptr;
        if (trace) {
            trace(
                Form1->Sqlite3DB1->Handle(), SQLITE_TRACE_STMT,
                [](unsigned, void* into, void*, void* sql) {
                    static_cast<std::vector<std::string>*>(into)->emplace_back(static_cast<const char*>(sql));
                    return 0;
                },
                &statements);
        }
        if (engine) dlclose(engine);
        if (then) then(Sender);
    };
    Form1->AfterConstruction();
    Form1->Show();
    while (!Form1->Showing())
        Application->ProcessMessages();
    Application->ProcessMessages();
    delete Form1;
    Application->ProcessMessages();
    for (std::string& sql : statements) {
        for (std::size_t at; (at = sql.find("COLLATE systemnocase")) != std::string::npos;)
            sql.replace(at, 20, "COLLATE NOCASE");
    }
    return statements;
}

void BM_StartupSqliteTool(benchmark::State& state) {
    static const std::vector<std::string> statements = TraceStartupStatements();
    if (statements.empty()) {
        state.SkipWithError("no statements traced");
        return;
    }
    const std::string script = Office().File() + ".start.sql";
    {
        std::ofstream out(script);
        for (const std::string& sql : statements)
            out << sql << ";\n";
    }
    const std::string command = "sqlite3 '" + Office().File() + "' < '" + script + "' > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError("the sqlite3 tool failed");
    }
}
BENCHMARK(BM_StartupSqliteTool)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

void BM_CaseComboMemory(benchmark::State& state) {
    Office();
    Application->Initialize();
    Form1 = new TForm1(nullptr);
    Form1->AfterConstruction();
    iktbe = new Tiktbe(nullptr);
    iktki = new Tiktki(nullptr);
    TComboBox* boxes[] = {Form1->ComboBox2,  Form1->ComboBox4, Form1->ComboBox7,
                          Form1->ComboBox20, iktbe->ComboBox4, iktki->ComboBox4};
    double held = 0;
    std::size_t names = 0;
    for (auto _ : state) {
        app::FillCaseCombos(*Form1);
        names = 0;
        TStrings* items = boxes[0]->Items();
        for (Integer i = 0; i < items->Count(); ++i)
            names += items->Strings(i).size();
        // What the boxes and the keys give back when they are emptied.
        const std::size_t filled = mallinfo2().uordblks;
        for (TComboBox* box : boxes)
            box->Items()->Clear();
        std::vector<Integer>().swap(Form1->CaseIds());
        held = static_cast<double>(filled) - static_cast<double>(mallinfo2().uordblks);
    }
    if (names == 0) state.SkipWithError("no case names");
    state.counters["memory_ratio"] = held / static_cast<double>(names);
    delete iktki;
    delete iktbe;
    delete Form1;
    iktbe = nullptr;
    iktki = nullptr;
    Form1 = nullptr;
    Application->ProcessMessages();
}
BENCHMARK(BM_CaseComboMemory)->Iterations(1);

} // namespace
