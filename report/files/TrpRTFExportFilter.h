#pragma once
// The RTF filter: each row of the text filter's grid becomes one paragraph
// with a tab stop per item and the memo's font, size, style and colour; each
// picture of a page becomes a framed metafile placed where it stood, written
// before the page's rows. The font and colour tables lead the document but
// are known only at its end, so the body is kept in memory and OnEndDoc
// writes the whole document; nothing reaches the stream before.
#include "report/files/TrpTextExportFilter.h"

#include <vector>

class TrpRTFExportFilter : public TrpTextExportFilter {
public:
    // Asks for the average font height as the text filter does.
    explicit TrpRTFExportFilter(TStream* AStream);
    // With a given average font height, asking nothing.
    TrpRTFExportFilter(TStream* AStream, Integer AverageHeight);
    String ClassName() const override { return "TrpRTFExportFilter"; }

    // Keeps a picture view's place and its graphic as a plain bitmap; other
    // views and empty pictures are left out.
    void OnData(Integer x, Integer y, TrpView* View) override;
    // Adds the page (a page break before every page but the first, its
    // pictures, then its rows) to the body.
    void OnEndPage() override;
    // Writes the document: the line "{\rtf1\ansi\ansicpg1250", the font
    // table, the colour table, the pages and the closing "\par}"; a second
    // call writes nothing.
    void OnEndDoc() override;

    // Font names; a font's number is its index.
    std::vector<String> FontTable;
    // Colours as RGB values; a colour's number is its index + 1 (entry 0 is
    // the reader's default colour).
    std::vector<TColor> ColorTable;

private:
    struct PictureData {
        Integer X = 0, Y = 0, Width = 0, Height = 0;
        Integer PictureWidth = 0, PictureHeight = 0;
        std::vector<Byte> Bitmap;
    };

    String RowParagraph(const std::vector<TrpTextRec>& Row);
    Integer FontNumber(const String& Name);
    Integer ColorNumber(TColor Color);
    void WriteText(const String& Text);

    std::vector<PictureData> DataList;
    String Body;
    bool NotFirstPage = false;
    bool Finished = false;
};

// Placed on a form, it stands for the RTF filter in the program; it has no
// behaviour of its own.
class TrpRTFExport : public TComponent {
public:
    using TComponent::TComponent;
    String ClassName() const override { return "TrpRTFExport"; }
};

// Registers the RTF filter as "Rich Text file (*.rtf)" with the mask "*.rtf";
// the engine's start-up calls it once, after the text filter.
void rpRegisterRTFExport();
