#include "platform/ui/TPageControl.h"

#include "platform/core/ScopeExit.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/SafeCall.h"
#include "platform/ui/TTabSheet.h"

#include <QTabBar>
#include <QVariant>

namespace {
QTabBar* Bar(QWidget* w) {
    return static_cast<QTabBar*>(w);
}
} // namespace

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner) {
    auto* bar = new QTabBar(Widget());
    bar->setDrawBase(false);
    bar->setExpanding(false);
    FTabBar = bar;
    QObject::connect(bar, &QTabBar::currentChanged, [this](int i) { TabClicked(i); });
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
    // The sheets are destroyed as children; they must not call back.
    for (TTabSheet* p : FPages)
        p->FPageControl = nullptr;
}

TTabSheet* TPageControl::Pages(Integer Index) const {
    if (Index < 0 || Index >= PageCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FPages[std::size_t(Index)];
}

void TPageControl::InsertPage(TTabSheet* Page, Integer Index) {
    FPages.insert(FPages.begin() + std::clamp(Index, 0, PageCount()), Page);
    Page->FPageControl = this;
    Page->SetParent(this);
    UpdateTabs();
    if (!FActivePage) SetActivePage(Page);
}

void TPageControl::RemovePage(TTabSheet* Page) {
    std::erase(FPages, Page);
    Page->FPageControl = nullptr;
    if (FActivePage == Page) {
        FActivePage = nullptr;
        if (!FPages.empty()) SetActivePage(FPages.front());
    }
    UpdateTabs();
}

void TPageControl::MovePage(TTabSheet* Page, Integer Index) {
    std::erase(FPages, Page);
    FPages.insert(FPages.begin() + std::clamp(Index, 0, PageCount()), Page);
    UpdateTabs();
}

Integer TPageControl::TabHeight() const {
    return Bar(FTabBar)->sizeHint().height();
}

void TPageControl::UpdateTabs() {
    QTabBar* bar = Bar(FTabBar);
    {
        FSyncing = true;
        core::ScopeExit reset([this] { FSyncing = false; });
        while (bar->count() > 0)
            bar->removeTab(0);
        for (TTabSheet* p : FPages) {
            if (!p->TabVisible()) continue;
            const int i = bar->addTab(ui::ToQt(p->Caption()));
            bar->setTabData(i, QVariant::fromValue<void*>(p));
            if (p == FActivePage) bar->setCurrentIndex(i);
        }
        bar->setGeometry(2, 0, std::max(Width() - 4, 0), TabHeight());
    }
    Realign();
    Invalidate();
}

void TPageControl::TabClicked(int TabIndex) {
    if (FSyncing || TabIndex < 0) return;
    auto* page = static_cast<TTabSheet*>(Bar(FTabBar)->tabData(TabIndex).value<void*>());
    ui::SafeCall(this, [this, page] {
        bool allow = true;
        if (OnChanging) OnChanging(this, allow);
        if (!allow) {
            UpdateTabs(); // back to the current page's tab
            return;
        }
        SetActivePage(page);
        if (OnChange) OnChange(this);
    });
}

void TPageControl::SetActivePage(TTabSheet* v) {
    if (v && v->FPageControl != this) return;
    if (v == FActivePage) return;
    if (FActivePage) FActivePage->SetVisible(false);
    FActivePage = v;
    if (v) {
        v->SetVisible(true);
        v->BringToFront();
    }
    UpdateTabs();
}

Integer TPageControl::ActivePageIndex() const {
    return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(Integer v) {
    SetActivePage(v >= 0 && v < PageCount() ? FPages[std::size_t(v)] : nullptr);
}

void TPageControl::AdjustClientRect(TRect& Rect) const {
    Rect = ClientRect();
    Rect.Top += TabHeight();
    InflateRect(Rect, -4, -4);
    Rect.Top -= 2;
}

void TPageControl::Resize() {
    Bar(FTabBar)->setGeometry(2, 0, std::max(Width() - 4, 0), TabHeight());
    TCustomControl::Resize();
}

void TPageControl::FontChanged() {
    TCustomControl::FontChanged();
    FTabBar->setFont(ui::ToQFont(Font()));
    UpdateTabs();
}

void TPageControl::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
    TRect frame = ClientRect();
    frame.Top += TabHeight() - 2;
    DrawEdge(c, frame, EDGE_RAISED, BF_RECT);
}
