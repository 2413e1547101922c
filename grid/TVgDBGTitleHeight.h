#pragma once
// How the title row's height is found: from the captions, a number of text
// lines or a fixed pixel count. A change makes the grid lay its titles out again.
#include "platform/core/TPersistent.h"

class TVgDBGrid;

enum TVgDBGTitleHeightKind { hkAuto, hkLineCount, hkPixelCount };

class TVgDBGTitleHeight : public TPersistent {
public:
    explicit TVgDBGTitleHeight(TVgDBGrid* AGrid) : FGrid(AGrid) {}
    String ClassName() const override { return "TVgDBGTitleHeight"; }
    void Assign(TPersistent* Source) override;

    TVgDBGTitleHeightKind Kind() const { return FKind; }
    void SetKind(TVgDBGTitleHeightKind Value);
    Integer LineCount() const { return FLineCount; }
    void SetLineCount(Integer Value);
    Integer PixelCount() const { return FPixelCount; }
    void SetPixelCount(Integer Value);

private:
    void Changed();

    TVgDBGrid* FGrid;
    TVgDBGTitleHeightKind FKind = hkAuto;
    Integer FLineCount = 1;
    Integer FPixelCount = 0;
};
