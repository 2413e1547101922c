#pragma once
// Shared set-up of the view tests: a recording canvas and the engine's
// document mode put back after each test.
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TCanvas.h"
#include "report/common/detail/rpGlobals.h"

#include <gtest/gtest.h>

class ViewDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        FSavedMode = DocMode;
        DocMode = dmPrinting;
        DisableDrawing = false;
    }
    void TearDown() override {
        DocMode = FSavedMode;
        DisableDrawing = false;
        CurView = nullptr;
    }

    graphics::RecordingCanvasBackend* Rec = nullptr;
    std::unique_ptr<TCanvas> Canvas = graphics::MakeRecordingCanvas(Rec);

private:
    Byte FSavedMode = dmDesigning;
};
