#pragma once
// A preview embedded in a form: a panel that takes the page area of a hidden
// preview window and offers its paging, zoom and file commands to the program.
// A report whose Preview names the panel shows its built pages there.
#include "platform/ui/TCustomGrid.h"
#include "platform/ui/TPanel.h"
#include "report/preview/detail/rpPreviewLayout.h"

#include <memory>

class TrpPreviewForm;
class TrpReport;

class TrpPreview : public TPanel {
public:
    explicit TrpPreview(TComponent* AOwner);
    ~TrpPreview() override;
    String ClassName() const override { return "TrpPreview"; }

    // Which of the page area's scroll bars show.
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);

    // Takes Doc's prepared pages and shows page 1 with the remembered zoom;
    // the hosting form's wheel scrolls three lines a notch.
    void Connect(TrpReport* Doc);

    // The page shown (1-based); a number outside 1..AllPages is ignored.
    Integer Page() const;
    void SetPage(Integer Value);
    // The pages held; 0 before Connect.
    Integer AllPages() const;
    // The zoom in percent; a value below 1 is ignored.
    Integer Zoom() const;
    void SetZoom(Integer Value);
    void OnePage();
    void TwoPages();
    void PageWidth();
    void First();
    void Next();
    void Prev();
    void Last();
    // The window's save (or export), open, print, edit and find commands.
    void SaveToFile();
    void LoadFromFile();
    void Print();
    void Edit();
    void Find();

    // The hidden window whose page area the panel shows.
    TrpPreviewForm* PreviewForm() const { return FForm.get(); }

protected:
    void Resize() override;

private:
    void Fit(TrpScaleMode Mode);

    std::unique_ptr<TrpPreviewForm> FForm;
    TScrollStyle FScrollBars = ssBoth;
};
