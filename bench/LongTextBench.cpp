// memo_wrap_ratio: a memo as wide as the case sheet's description (680 pixels, 10-point
// Arial) holding a statement of facts pasted as one paragraph, expanded and wrapped on the
// engine's measuring canvas: the time per character of 300,000 characters over that of 50,000.
// casesheet_long_ratio: the same for the case sheet's "Nyomtatás" on a case of the office
// with such a description, from the click until the preview is up (both passes of the
// office's template, the program's forms, fonts and windows).
// Each round times both lengths back to back, so a busy machine slows both alike; the median
// round's ratio is the figure. The counters short_s and long_s are the fastest times.
#include "bench/OfficeWindows.h"
#include "bench/Seconds.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "platform/core/Utf8.h"
#include "report/views/TrpMemoView.h"
#include "sqlite/TSqlite3DB.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t ShortText = 50'000;
constexpr std::size_t LongText = 300'000;

// Sentences of accented words with their commas and full stops, Characters characters long,
// drawn in an order of their own for each Seed.
std::string Statement(std::size_t Characters, unsigned Seed) {
    static const char* const words[] = {"a",           "felperes",    "az",         "alperessel",   "kötött",
                                        "szerződés",   "alapján",     "útépítési",  "munkát",       "végzett",
                                        "melynek",     "díját",       "határidőre", "nem",          "fizette",
                                        "meg",         "ezért",       "késedelmi",  "kamatot",      "és",
                                        "kártérítést", "követel",     "tanúk",      "szerint",      "műszaki",
                                        "átadás",      "őszén",       "történt",    "hiánytalanul", "ügyfél",
                                        "árvíztűrő",   "tükörfúrógép"};
    std::minstd_rand random(Seed + 1);
    std::u32string text;
    while (text.size() < Characters) {
        text += core::Utf8ToU32(words[random() % std::size(words)]);
        const auto mark = random() % 12;
        text += mark == 0 ? U". " : mark < 3 ? U", " : U" ";
    }
    text.resize(Characters);
    return core::U32ToUtf8(text);
}

// Times Run on the short and the long text Rounds times. Each round's texts are new (Prepare
// makes them, untimed), as the measurer remembers the widths of the texts it has measured.
void TimePerCharacter(benchmark::State& state, int Rounds, const std::function<void(int Round)>& Prepare,
                      const std::function<void(bool Long)>& Run) {
    std::vector<double> ratios;
    double shortest = 1e9, longest = 1e9;
    for (auto _ : state) {
        for (int round = 0; round < Rounds; ++round) {
            Prepare(round);
            const double s = bench::Seconds([&] { Run(false); });
            const double l = bench::Seconds([&] { Run(true); });
            ratios.push_back(l / LongText / (s / ShortText));
            shortest = std::min(shortest, s);
            longest = std::min(longest, l);
        }
    }
    std::sort(ratios.begin(), ratios.end());
    state.counters["ratio"] = ratios[ratios.size() / 2];
    state.counters["short_s"] = shortest;
    state.counters["long_s"] = longest;
}

void BM_MemoWrapLong(benchmark::State& state) {
    Application->Initialize();
    rpInitEngine();
    TrpMemoView memo[2];
    Integer height[2] = {};
    for (TrpMemoView& m : memo)
        m.SetBounds(36, 20, 680, 17);
    TimePerCharacter(
        state, 5,
        [&](int Round) {
            memo[0].Memo.SetText(Statement(ShortText, 2 * Round));
            memo[1].Memo.SetText(Statement(LongText, 2 * Round + 1));
        },
        [&](bool Long) { height[Long] = memo[Long].CalcHeight(); });
    // About a hundred characters to a line of 15 pixels.
    if (height[0] < 15 * 400 || height[1] < 15 * 2'400) state.SkipWithError("the text was not wrapped");
}
BENCHMARK(BM_MemoWrapLong)->Unit(benchmark::kSecond)->Iterations(1);

void BM_CaseSheetLongReport(benchmark::State& state) {
    bench::OfficeWindows windows;
    TSqlite3DB& db = *Form1->Sqlite3DB1;
    Integer cases[2];
    for (Integer& id : cases) {
        db.SQLite3_ExecSQL(
            "INSERT INTO ugy (status, nev, datum) VALUES (1, 'Hosszú tényállás', '2024-01-02')", nullptr);
        id = static_cast<Integer>(db.LastInsertRowId());
    }
    Integer pages[2] = {};
    TgxExtSpeedButton* print = ugyadatlap->gxExtSpeedButton1;
    TimePerCharacter(
        state, 3,
        [&](int Round) {
            for (const bool Long : {false, true})
                db.SQLite3_ExecSQL("UPDATE ugy SET leiras='" +
                                       Statement(Long ? LongText : ShortText, 100 + 2 * Round + Long) +
                                       "' WHERE sorszam=" + std::to_string(cases[Long]),
                                   nullptr);
        },
        [&](bool Long) {
            windows.ShownPages = 0;
            ugyadatlap->CaseId = cases[Long];
            print->OnClick(print);
            pages[Long] = windows.ShownPages;
        });
    // The other benchmarks of the run find the office as it was.
    db.SQLite3_ExecSQL("DELETE FROM ugy WHERE sorszam IN (" + std::to_string(cases[0]) + "," +
                           std::to_string(cases[1]) + ")",
                       nullptr);
    if (pages[0] < 1 || pages[1] < pages[0]) state.SkipWithError("no preview came up");
    state.counters["long_pages"] = pages[1];
}
BENCHMARK(BM_CaseSheetLongReport)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
