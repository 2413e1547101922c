#pragma once
// Tabbed pages: the tabs along the top, the active sheet below them in a
// raised frame. OnChanging may refuse a change the user asks for; OnChange
// follows a change made by the user.
#include "platform/ui/TCustomControl.h"

#include <vector>

class TTabSheet;

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TPageControl : public TCustomControl {
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;
    String ClassName() const override { return "TPageControl"; }

    Integer PageCount() const { return Integer(FPages.size()); }
    // Raises EListError "List index out of bounds (<i>)".
    TTabSheet* Pages(Integer Index) const;
    TTabSheet* ActivePage() const { return FActivePage; }
    // A sheet of another page control is ignored.
    void SetActivePage(TTabSheet* v);
    Integer ActivePageIndex() const;
    void SetActivePageIndex(Integer v);

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) const override;
    void Resize() override;
    void FontChanged() override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* Page, Integer Index);
    void RemovePage(TTabSheet* Page);
    void MovePage(TTabSheet* Page, Integer Index);
    void UpdateTabs();
    void TabClicked(int TabIndex);
    Integer TabHeight() const;

    QWidget* FTabBar = nullptr;
    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
    bool FSyncing = false;
};
