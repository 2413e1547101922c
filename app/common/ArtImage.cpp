#include "app/common/ArtImage.h"

#include "controls/buttons/ButtonLooks.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>
#include <vector>

namespace app {

namespace {

constexpr TColor Paper = 0xF7F5F3;
constexpr TColor Mist = 0xEFE4DA;     // pale blue-grey
constexpr TColor SoftBlue = 0xC9A98F; // muted steel blue
constexpr TColor Ink = looks::HouseBlue;
constexpr TColor Gold = 0x4FA3C8; // muted ochre

TColor Mix(TColor a, TColor b, Integer num, Integer den) {
    const auto part = [&](int shift) {
        const Integer ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        return static_cast<TColor>((ca + (cb - ca) * num / std::max<Integer>(den, 1)) & 0xFF) << shift;
    };
    return part(0) | part(8) | part(16);
}

void VerticalGradient(TCanvas* c, const TRect& r, TColor top, TColor bottom) {
    const Integer h = std::max<Integer>(r.Height(), 1);
    for (Integer y = 0; y < h; ++y) {
        c->Brush()->SetColor(Mix(top, bottom, y, h));
        c->FillRect(Rect(r.Left, r.Top + y, r.Right, r.Top + y + 1));
    }
}

void Shape(TCanvas* c, TColor pen, TColor fill, Integer width = 1) {
    c->Pen()->SetColor(pen);
    c->Pen()->SetWidth(width);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(fill);
}

void CentredText(TCanvas* c, const TRect& r, Integer y, const String& text, Integer height, TColor color,
                 bool bold) {
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetName("Arial");
    c->Font()->SetHeight(-height);
    c->Font()->SetColor(color);
    c->Font()->SetStyle(bold ? TFontStyles{fsBold} : TFontStyles{});
    const Integer w = c->TextWidth(text);
    c->TextOut(r.Left + (r.Width() - w) / 2, y, text);
}

// A classical building: pediment, columns and steps, scaled into r.
void Building(TCanvas* c, const TRect& r) {
    const Integer w = r.Width(), h = r.Height();
    const auto X = [&](Integer permille) { return r.Left + w * permille / 1000; };
    const auto Y = [&](Integer permille) { return r.Top + h * permille / 1000; };
    Shape(c, Ink, Paper, 2);
    c->Polygon({{X(80), Y(300)}, {X(500), Y(40)}, {X(920), Y(300)}});
    c->Rectangle(X(100), Y(300), X(900), Y(370));
    for (Integer i = 0; i < 6; ++i) {
        const Integer left = 150 + i * 130;
        Shape(c, Ink, Mist, 2);
        c->Rectangle(X(left), Y(370), X(left + 60), Y(820));
    }
    Shape(c, Ink, Paper, 2);
    c->Rectangle(X(60), Y(820), X(940), Y(880));
    c->Rectangle(X(20), Y(880), X(980), Y(950));
    Shape(c, Gold, Gold);
    const Integer coin = std::min(w, h) / 14;
    c->Ellipse(X(500) - coin / 2, Y(190) - coin / 2, X(500) + coin / 2, Y(190) + coin / 2);
}

void Scales(TCanvas* c, const TRect& r) {
    const Integer w = r.Width(), h = r.Height();
    const auto X = [&](Integer permille) { return r.Left + w * permille / 1000; };
    const auto Y = [&](Integer permille) { return r.Top + h * permille / 1000; };
    Shape(c, Paper, Paper, 2);
    c->MoveTo(X(500), Y(120));
    c->LineTo(X(500), Y(820));
    c->MoveTo(X(180), Y(260));
    c->LineTo(X(820), Y(260));
    c->Rectangle(X(380), Y(820), X(620), Y(870));
    for (Integer side : {180, 820}) {
        c->MoveTo(X(side), Y(260));
        c->LineTo(X(side - 110), Y(560));
        c->MoveTo(X(side), Y(260));
        c->LineTo(X(side + 110), Y(560));
        c->Polygon({{X(side - 130), Y(560)},
                    {X(side + 130), Y(560)},
                    {X(side + 80), Y(640)},
                    {X(side - 80), Y(640)}});
    }
    Shape(c, Gold, Gold);
    const Integer knob = std::min(w, h) / 12;
    c->Ellipse(X(500) - knob / 2, Y(110) - knob / 2, X(500) + knob / 2, Y(110) + knob / 2);
}

// The icon of an area tile, drawn in a square.
void Icon(TCanvas* c, const TRect& r, Art kind) {
    const Integer s = r.Width();
    const auto P = [&](Integer x, Integer y) { return TPoint{r.Left + s * x / 100, r.Top + s * y / 100}; };
    const auto R = [&](Integer x1, Integer y1, Integer x2, Integer y2) {
        return Rect(r.Left + s * x1 / 100, r.Top + s * y1 / 100, r.Left + s * x2 / 100, r.Top + s * y2 / 100);
    };
    Shape(c, Ink, Paper, 2);
    switch (kind) {
    case Art::Persons:
        c->Ellipse(R(34, 12, 66, 44));
        c->Polygon({P(18, 92), P(24, 60), P(40, 50), P(60, 50), P(76, 60), P(82, 92)});
        break;
    case Art::Cases:
        c->Polygon({P(8, 26), P(38, 26), P(46, 34), P(92, 34), P(92, 86), P(8, 86)});
        Shape(c, Ink, Mist, 2);
        c->Rectangle(R(8, 42, 92, 86));
        break;
    case Art::Documents:
        c->Polygon({P(22, 8), P(64, 8), P(80, 24), P(80, 92), P(22, 92)});
        for (Integer y : {36, 50, 64, 78}) {
            c->MoveTo(P(32, y).X, P(32, y).Y);
            c->LineTo(P(70, y).X, P(70, y).Y);
        }
        break;
    case Art::Deposits:
        c->Rectangle(R(10, 20, 90, 86));
        Shape(c, Ink, Mist, 2);
        c->Ellipse(R(34, 34, 66, 66));
        Shape(c, Gold, Gold);
        c->Ellipse(R(44, 44, 56, 56));
        break;
    case Art::Partners:
        c->Ellipse(R(10, 18, 38, 46));
        c->Ellipse(R(62, 18, 90, 46));
        c->Polygon({P(4, 88), P(8, 60), P(24, 52), P(40, 60), P(44, 88)});
        c->Polygon({P(56, 88), P(60, 60), P(76, 52), P(92, 60), P(96, 88)});
        break;
    case Art::Identification:
        c->RoundRect(r.Left + s * 6 / 100, r.Top + s * 22 / 100, r.Left + s * 94 / 100, r.Top + s * 80 / 100,
                     s / 8, s / 8);
        Shape(c, Ink, Mist, 2);
        c->Ellipse(R(14, 34, 38, 58));
        for (Integer y : {38, 50, 62}) {
            c->MoveTo(P(48, y).X, P(48, y).Y);
            c->LineTo(P(84, y).X, P(84, y).Y);
        }
        break;
    default:
        break;
    }
}

String TileCaption(Art kind) {
    switch (kind) {
    case Art::Persons:
        return "Ügyfelek";
    case Art::Cases:
        return "Ügyek";
    case Art::Documents:
        return "Dokumentumok";
    case Art::Deposits:
        return "Letétek";
    case Art::Partners:
        return "Partnerek";
    case Art::Identification:
        return "Azonosítás";
    default:
        return "";
    }
}

void Tile(TCanvas* c, const TRect& r, Art kind) {
    Shape(c, SoftBlue, Paper);
    c->Rectangle(r);
    const Integer icon = std::min<Integer>(r.Height() - 14, 34);
    const TRect box = Rect(r.Left + 10, r.Top + (r.Height() - icon) / 2, r.Left + 10 + icon,
                           r.Top + (r.Height() + icon) / 2);
    Icon(c, box, kind);
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetName("Arial");
    c->Font()->SetHeight(-12);
    c->Font()->SetStyle({fsBold});
    c->Font()->SetColor(Ink);
    c->TextOut(box.Right + 10, r.Top + (r.Height() - c->TextHeight("Ág")) / 2, TileCaption(kind));
}

void StartPicture(TCanvas* c, const TRect& r) {
    VerticalGradient(c, r, Mist, Paper);
    const Integer size = std::min<Integer>(r.Width() * 55 / 100, r.Height() * 55 / 100);
    const TRect building = Rect(r.Left + (r.Width() - size) / 2, r.Top + r.Height() / 10,
                                r.Left + (r.Width() + size) / 2, r.Top + r.Height() / 10 + size);
    Building(c, building);
    CentredText(c, r, building.Bottom + 18, "Velmora", 34, Ink, true);
    CentredText(c, r, building.Bottom + 62, "Ügyvédi irodai nyilvántartás", 14, SoftBlue, false);
}

void Badge(TCanvas* c, const TRect& r) {
    Shape(c, Ink, Paper, 2);
    c->RoundRect(r.Left, r.Top, r.Right, r.Bottom, 10, 10);
    const TRect icon = Rect(r.Left + 6, r.Top + 4, r.Left + 6 + r.Height() - 8, r.Bottom - 4);
    Icon(c, icon, Art::Identification);
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetName("Arial");
    c->Font()->SetHeight(-12);
    c->Font()->SetStyle({fsBold});
    c->Font()->SetColor(Ink);
    c->TextOut(icon.Right + 6, r.Top + (r.Height() - c->TextHeight("J")) / 2, "JÜB");
}

} // namespace

void DrawArt(TCanvas* Canvas, const TRect& R, Art Kind) {
    switch (Kind) {
    case Art::StartPicture:
        StartPicture(Canvas, R);
        break;
    case Art::Scales:
        Scales(Canvas, R);
        break;
    case Art::Badge:
        Badge(Canvas, R);
        break;
    default:
        Tile(Canvas, R, Kind);
        break;
    }
}

ArtImage::ArtImage(TComponent* AOwner, Art Kind) : TGraphicControl(AOwner), FKind(Kind) {
    // A picture answers a click when the button comes up over it.
    SetClickOnMouseUp(true);
}

void ArtImage::Paint() {
    DrawArt(Canvas(), ClientRect(), FKind);
}

} // namespace app
