#pragma once
// A data grid over a small in-memory case list, painted on a recording canvas.
#include "grid/TVgDBGrid.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TFieldDefs.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TCanvas.h"
#include "tests/support/TMemDataSet.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>

namespace gridtest {

// Rows (id, nev, aktiv, jubok, osszeg): id i, "Ügy i", aktiv for odd ids,
// jubok 'true' for ids divisible by 3, osszeg 100 x id.
inline std::unique_ptr<TMemDataSet> MakeCases(int Count, bool Open = true) {
    auto ds = std::make_unique<TMemDataSet>();
    ds->SetName("Cases");
    ds->FieldDefs()->Add("id", ftInteger);
    ds->FieldDefs()->Add("nev", ftString, 40);
    ds->FieldDefs()->Add("aktiv", ftBoolean);
    ds->FieldDefs()->Add("jubok", ftString, 5);
    ds->FieldDefs()->Add("osszeg", ftInteger);
    for (int i = 1; i <= Count; ++i)
        ds->AppendRow({Int64(i), "Ügy " + std::to_string(i), bool(i % 2),
                       String(i % 3 == 0 ? "true" : "false"), Int64(100 * i)});
    if (Open) ds->Open();
    return ds;
}

// Records the check boxes the grid asks for.
class TProbeGrid : public TVgDBGrid {
public:
    using TVgDBGrid::TVgDBGrid;
    struct Box {
        TRect Rect;
        TCheckBoxState State;
        TAlignment Alignment;
    };
    std::vector<Box> Boxes;
    using TVgDBGrid::ScrollBarMoved;
    using TVgDBGrid::VertScrollState;
    TScrollState HorzState() const { return HorzScrollState(); }
    void ClickTitle(TColumn* Column) { TitleClick(Column); }
    void DrawCheckBox(const TRect& Rect, TCheckBoxState State, TAlignment Alignment) override {
        Boxes.push_back({Rect, State, Alignment});
        TVgDBGrid::DrawCheckBox(Rect, State, Alignment);
    }
};

class GridFixture : public ::testing::Test {
protected:
    void Build(int Rows, int Width = 400, int Height = 200) {
        Data = MakeCases(Rows);
        Source = std::make_unique<TDataSource>(nullptr);
        Source->SetDataSet(Data.get());
        Grid = std::make_unique<TProbeGrid>(nullptr);
        Grid->SetBounds(0, 0, Width, Height);
        Grid->SetDataSource(Source.get());
    }

    void TearDown() override {
        Grid.reset();
        Source.reset();
        Data.reset();
    }

    // Paints the grid and answers the log.
    std::vector<String>& Paint() {
        Grid->Boxes.clear();
        Canvas = graphics::MakeRecordingCanvas(Backend, TSize(Grid->Width(), Grid->Height()));
        Grid->PaintTo(Canvas.get());
        return Backend->Log;
    }

    // Lines of the last paint that contain every part.
    std::vector<String> Lines(std::initializer_list<String> Parts) const {
        std::vector<String> out;
        for (const String& l : Backend->Log) {
            bool all = true;
            for (const String& p : Parts)
                all = all && l.find(p) != String::npos;
            if (all) out.push_back(l);
        }
        return out;
    }

    // The fill of a cell's own rectangle.
    String CellFill(Integer ACol, Integer ARow) const {
        String prefix = "FillRect " + graphics::FormatRect(Grid->CellRect(ACol, ARow)) + " brush ";
        String found;
        for (const String& l : Backend->Log)
            if (l.rfind(prefix, 0) == 0) found = l.substr(prefix.size());
        return found;
    }

    std::unique_ptr<TMemDataSet> Data;
    std::unique_ptr<TDataSource> Source;
    std::unique_ptr<TProbeGrid> Grid;
    graphics::RecordingCanvasBackend* Backend = nullptr;
    std::unique_ptr<TCanvas> Canvas;
};

} // namespace gridtest
