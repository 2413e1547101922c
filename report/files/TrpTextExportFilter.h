#pragma once
// The plain-text filter: each page's text laid on a character grid (6.5
// pixels a column, the average font height a row), written in UTF-8 with CR LF
// line ends; a form feed line ends every page.
#include "platform/core/TComponent.h"
#include "report/files/TrpExportFilter.h"

class TrpTextExportFilter : public TrpExportFilter {
public:
    // Asks the user for the average font height; an answer that is not a
    // whole number above 0 raises EConvertError
    // "The average font height must be a whole number above 0".
    explicit TrpTextExportFilter(TStream* AStream);
    // With a given average font height (checked as above), asking nothing.
    TrpTextExportFilter(TStream* AStream, Integer AverageHeight);
    String ClassName() const override { return "TrpTextExportFilter"; }
    // Rows for the page's height (201 when it is not known).
    void OnBeginPage() override;
    void OnEndPage() override;
    // A text whose row lies outside the page raises EListError
    // "List index out of bounds (<row>) on page <page number>".
    void OnText(Integer x, Integer y, const String& Text, TrpView* View) override;

    // The lines of the current page, without their line ends.
    std::vector<String> PageLines() const;
    // The page's rows down to its last text, each ordered by x. A grid row
    // holding lines of one text that print one below the other (lines closer
    // than a row apart) gives a row to each, in the order they print.
    std::vector<std::vector<TrpTextRec>> PageRows() const;

protected:
    Integer FAverageHeight = 16;

private:
    const TrpView* FLastView = nullptr;
    Integer FSource = 0;
};

// Placed on a form, it stands for the text filter in the program; it has no
// behaviour of its own.
class TrpTextExport : public TComponent {
public:
    using TComponent::TComponent;
    String ClassName() const override { return "TrpTextExport"; }
};

// Registers the text filter as "ASCII Text file (*.txt)" with the mask
// "*.txt"; the engine's start-up calls it once, before any other filter.
void rpRegisterTextExport();
