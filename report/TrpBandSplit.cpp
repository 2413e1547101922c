// A band that may split across pages: its stretchable objects continue on
// the following pages, the objects below them move down by what they grew.
#include "report/TrpBand.h"
#include "report/TrpPage.h"
#include "report/TrpReport.h"

#include <algorithm>

void TrpBand::DrawPageBreak() {
    TrpPage* page = Parent;
    const std::size_t n = Objects.size();
    std::vector<bool> pending(n, true);
    std::vector<Integer> tops(n), heights(n);
    for (std::size_t k = 0; k < n; ++k) {
        tops[k] = Objects[k]->Top;
        heights[k] = Objects[k]->Height;
    }
    auto restore = [&] {
        for (std::size_t k = 0; k < n; ++k) {
            Objects[k]->Top = tops[k];
            Objects[k]->Height = heights[k];
            if (auto* s = dynamic_cast<TrpStretcheable*>(Objects[k])) s->DrawMode = drAll;
        }
    };
    const Integer footer = page->Bands[btColumnFooter] ? page->Bands[btColumnFooter]->dy : 0;
    const Integer bandHeight = std::max(maxdy, dy);
    if (!CheckPageBreak(y, bandHeight, true)) {
        DrawObjects();
        page->CurY += bandHeight;
        return;
    }

    for (TrpView* v : Objects)
        if (auto* s = dynamic_cast<TrpStretcheable*>(v)) {
            s->ActualHeight = 0;
            CurView = v;
            s->CalcHeight();
        }

    auto terminated = [] { return MasterReport && MasterReport->Terminated; };
    auto anyPending = [&] { return std::find(pending.begin(), pending.end(), true) != pending.end(); };
    Integer lowest = 0;
    while (anyPending() && !terminated()) {
        const Integer room = page->CurBottomY - footer - y - 2;
        const bool fresh = y <= page->FreshY;

        lowest = 0;
        bool progress = false;
        for (std::size_t k = 0; k < n; ++k) {
            TrpView* v = Objects[k];
            if (!pending[k] || v->Top < 0 || v->Top >= room) continue;
            auto* s = dynamic_cast<TrpStretcheable*>(v);
            if (v->Top + v->Height < room) {
                DrawObject(v);
                lowest = std::max(lowest, v->Top + v->Height);
                pending[k] = false;
                progress = true;
            } else if (s) {
                const Integer saved = v->Height;
                const Integer h = room - v->Top + 1;
                v->Height = h;
                s->ActualHeight += h;
                if (s->MinHeight() < h) {
                    s->DrawMode = drPart;
                    DrawObject(v);
                    progress = true;
                }
                lowest = std::max(lowest, v->Top + h);
                v->Height = saved;
            } else if (v->Top == 0 && fresh) {
                // Taller than a whole page: drawn clipped to it, and done.
                const Integer saved = v->Height;
                v->Height = room;
                DrawObject(v);
                v->Height = saved;
                lowest = std::max(lowest, room);
                pending[k] = false;
                progress = true;
            } else {
                v->Top = room;
            }
        }
        for (std::size_t k = 0; k < n; ++k) {
            TrpView* v = Objects[k];
            auto* s = dynamic_cast<TrpStretcheable*>(v);
            if (!pending[k] || !s || v->Top >= 0 || v->Top + v->Height < 0) continue;
            const Integer top = v->Top, height = v->Height;
            if (top + height >= room) {
                v->Top = 0;
                v->Height = room;
                s->DrawMode = drPart;
                DrawObject(v);
                v->Top = top;
                v->Height = height;
                s->ActualHeight += room;
                lowest = std::max(lowest, room);
                progress = true;
            } else {
                v->Top = 0;
                v->Height = top + height;
                if (s->MinHeight() / 2 < v->Height) {
                    v->Height = 2 * v->gapy + s->RemainHeight() + 1;
                    s->DrawMode = drPart;
                    DrawObject(v);
                    lowest = std::max(lowest, v->Height);
                }
                v->Top = top;
                v->Height = height;
                // What it grew beyond its template height pushes the objects under it.
                const Integer grown = s->ActualHeight + top + height - heights[k];
                for (std::size_t j = 0; j < n; ++j) {
                    TrpView* other = Objects[j];
                    if (j == k || !pending[j]) continue;
                    if (tops[j] >= tops[k] + heights[k] && other->Left >= v->Left &&
                        v->Left + v->Width >= other->Left)
                        other->Top += std::max(0, grown);
                }
                pending[k] = false;
                progress = true;
            }
        }
        bool below = false;
        for (std::size_t k = 0; k < n; ++k)
            below = below || (pending[k] && Objects[k]->Top >= room);
        for (TrpView* v : Objects)
            v->Top -= room;
        if (!anyPending()) break;
        // A fresh page on which nothing could be drawn and nothing waits below
        // would be followed by another just like it.
        if (!progress && !below && fresh) {
            std::fill(pending.begin(), pending.end(), false);
            break;
        }
        page->NewColumn(this);
        y = page->CurY;
    }
    maxdy = lowest;
    restore();
    page->CurY += maxdy;
}
