#pragma once
// A small in-memory table of people shared by the dataset tests.
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "tests/support/TMemDataSet.h"

#include <memory>
#include <string>
#include <vector>

// Rows (id, nev): (1, "Anna"), (2, "Béla"), ... Count rows, opened unless told.
inline std::unique_ptr<TMemDataSet> MakePeople(int Count, bool Open = true) {
    static const char* names[] = {"Anna",   "Béla",  "Cecília",  "Dénes", "Erzsébet",
                                  "Ferenc", "Gábor", "Hajnalka", "Ilona", "János"};
    auto ds = std::make_unique<TMemDataSet>();
    ds->SetName("People");
    ds->FieldDefs()->Add("id", ftInteger);
    ds->FieldDefs()->Add("nev", ftString, 20);
    for (int i = 1; i <= Count; ++i)
        ds->AppendRow({Int64(i), String(names[(i - 1) % 10]) + (i > 10 ? std::to_string(i) : "")});
    if (Open) ds->Open();
    return ds;
}

// The ids from the first record to the end, leaving the dataset at its end.
inline std::vector<Int64> WalkIds(TDataSet& ds) {
    std::vector<Int64> ids;
    for (ds.First(); !ds.Eof(); ds.Next())
        ids.push_back(ds.FieldByName("id")->AsInteger());
    return ids;
}
