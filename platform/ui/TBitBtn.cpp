#include "platform/ui/TBitBtn.h"

#include "platform/graphics/TBitmap.h"
#include "platform/ui/TCustomForm.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPushButton>

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner), FGlyph(std::make_unique<TBitmap>()) {
    FGlyph->OnChange = [this](TObject*) { UpdateIcon(); };
}

TBitBtn::~TBitBtn() {
    FGlyph->OnChange = nullptr;
}

void TBitBtn::SetKind(TBitBtnKind v) {
    struct Stock {
        const char* Caption;
        TModalResult Result;
    };
    static constexpr Stock stock[] = {{"", mrNone},          {"OK", mrOk},       {"Cancel", mrCancel},
                                      {"&Help", mrNone},     {"&Yes", mrYes},    {"&No", mrNo},
                                      {"&Close", mrNone},    {"Abort", mrAbort}, {"&Retry", mrRetry},
                                      {"&Ignore", mrIgnore}, {"&All", mrAll}};
    FKind = v;
    if (v == bkCustom) return;
    SetCaption(stock[v].Caption);
    SetModalResult(stock[v].Result);
    if (v == bkOK || v == bkYes) SetDefault(true);
    if (v == bkCancel || v == bkNo) SetCancel(true);
}

void TBitBtn::SetGlyph(TBitmap* v) {
    FGlyph->Assign(v);
}

void TBitBtn::SetNumGlyphs(Integer v) {
    FNumGlyphs = std::clamp(v, 1, 4);
    UpdateIcon();
}

void TBitBtn::SetLayout(TButtonLayout v) {
    FLayout = v;
    auto* b = static_cast<QPushButton*>(Widget());
    b->setLayoutDirection(v == blGlyphRight ? Qt::RightToLeft : Qt::LeftToRight);
}

void TBitBtn::UpdateIcon() {
    auto* b = static_cast<QPushButton*>(Widget());
    if (FGlyph->Empty()) {
        b->setIcon(QIcon());
        return;
    }
    const QImage& all = FGlyph->Image();
    const int w = all.width() / FNumGlyphs;
    QImage img = all.copy(0, 0, w, all.height()).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = img.pixel(0, img.height() - 1);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == key) img.setPixel(x, y, qRgba(0, 0, 0, 0));
    b->setIcon(QIcon(QPixmap::fromImage(img)));
    b->setIconSize(img.size());
}

void TBitBtn::Click() {
    // A close button closes its form.
    if (FKind == bkClose) {
        if (TCustomForm* form = GetParentForm(this)) {
            form->Close();
            TWinControl::Click();
            return;
        }
    }
    TButton::Click();
}
