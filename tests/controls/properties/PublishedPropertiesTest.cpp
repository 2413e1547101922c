// Form-resource round trips of the library's published properties: what a
// configured object writes, and that reading it into a fresh one gives the
// same object (it writes the same text again).
#include "controls/services/GxSystemRoutines.h"
#include "controls/buttons/TIllumination.h"
#include "controls/text/TUtl3DCaption.h"
#include "controls/shapes/TUtlAlphaObject.h"
#include "controls/shapes/TUtlBevel.h"
#include "controls/shapes/TUtlBitmapEffectObject.h"
#include "controls/buttons/TUtlButtonControl.h"
#include "controls/lists/TUtlContainer.h"
#include "controls/bases/TUtlCustomScrollBox.h"
#include "controls/services/TUtlApplication.h"
#include "controls/services/TUtlDateTime.h"
#include "controls/shapes/TUtlFillObject.h"
#include "controls/bases/TUtlFormShape.h"
#include "controls/text/TUtlGlyphTextLayout.h"
#include "controls/shapes/TUtlGradient.h"
#include "controls/shapes/TUtlRegion.h"
#include "controls/shapes/TUtlRegionMask.h"
#include "controls/shapes/TUtlShadow.h"
#include "controls/shapes/TUtlShape.h"
#include "controls/services/TUtlStarter.h"
#include "controls/shapes/TUtlTeeth.h"
#include "controls/services/TUtlTimerPool.h"
#include "controls/lists/UtlCollectionLists.h"
#include "controls/buttons/Tgx3DColors.h"
#include "controls/buttons/TgxBevel.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "controls/buttons/TgxLabelColors.h"

#include "platform/core/Exceptions.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TComponent.h"
#include "platform/core/TypInfo.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TImageList.h"
#include "platform/graphics/TPicture.h"
#include "platform/ui/TLabel.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A form stand-in owning the control under test and a label and an image
// list it can refer to.
struct Holder {
    Holder() {
        form.SetName("Form1");
        label->SetName("Label1");
        images->SetName("ImageList1");
    }
    TComponent form{nullptr};
    TLabel* label = new TLabel(&form);
    TImageList* images = new TImageList(&form);
};

template <class T> struct Row {
    const char* Why;
    std::function<void(T*, Holder&)> Configure;
    const char* Expected; // lines the text holds, in order
};

// Configures a fresh T, checks its text and that a second fresh T read from
// that text writes it again.
template <class T> void RoundTrip(const Row<T>& row) {
    SCOPED_TRACE(row.Why);
    Holder from;
    T* a = new T(&from.form);
    a->SetName("Subject");
    row.Configure(a, from);
    const String text = ComponentToString(a);
    EXPECT_NE(text.find(row.Expected), String::npos) << text;
    Holder to;
    T* b = new T(&to.form);
    b->SetName("Subject");
    StringToComponent(b, text);
    EXPECT_EQ(ComponentToString(b), text);
}

// A component publishing one T as "Object".
template <class T> class Carrier : public TComponent {
public:
    explicit Carrier(TComponent* AOwner) : TComponent(AOwner) {
        static const bool registered = [this] {
            RegisterClass<Carrier<T>>(ClassName(), "", {ObjectProp<Carrier<T>>("Object", &Carrier<T>::Get)});
            return true;
        }();
        (void)registered;
        SetName("Subject");
    }
    String ClassName() const override { return "TCarrier" + Object.ClassName(); }
    T* Get() { return &Object; }
    T Object;
};

// One row for a persistent object: a new one writes only its header; a
// configured one writes Expected and reads back into a new one unchanged.
template <class T>
void ObjectRow(const char* Why, const std::function<void(T*)>& Configure, const char* Expected) {
    SCOPED_TRACE(Why);
    Carrier<T> fresh(nullptr);
    EXPECT_EQ(ComponentToString(&fresh), "object Subject: " + fresh.ClassName() + "\nend\n");
    Carrier<T> a(nullptr);
    Configure(&a.Object);
    const String text = ComponentToString(&a);
    EXPECT_NE(text.find(Expected), String::npos) << text;
    Carrier<T> b(nullptr);
    StringToComponent(&b, text);
    EXPECT_EQ(ComponentToString(&b), text);
}

} // namespace

TEST(PublishedPropertiesTest, SpeedButtonsRoundTrip) {
    using B = TgxExtSpeedButton;
    const Row<B> rows[] = {
        // The extended button's colours live in its styles; the three properties it
        // always stores are the only plain lines at the defaults.
        {"defaults", [](B*, Holder&) {},
         "object Subject: TgxExtSpeedButton\n  FrameColor = clBlack\n  DefaultStyle = False\n"
         "  ModalResult = 0\n  Style.Color = "},
        {"frame colour without a name, and a caption",
         [](B* b, Holder&) {
             b->SetFrameColor(8271404);
             b->SetCaption("Mentés");
         },
         "  Caption = 'Ment"},
        {"named frame colour", [](B* b, Holder&) { b->SetFrameColor(clNavy); }, "  FrameColor = clNavy\n"},
        {"hover gradient",
         [](B* b, Holder&) {
             b->StyleActive()->Gradient()->SetActive(true);
             b->StyleActive()->Gradient()->SetOrientation(fgdHorzConvergent);
         },
         "  StyleActive.Gradient.Active = True\n  StyleActive.Gradient.Orientation = fgdHorzConvergent\n"},
        {"style font and caption gradient are written though they do not notify",
         [](B* b, Holder&) {
             b->StylePushed()->Font()->SetStyle({fsBold});
             b->StylePushed()->TextGradient()->SetToColor(clRed);
         },
         "  StylePushed.Font.Style = [fsBold]\n"},
        {"linked control by its owner's and its own name", [](B* b, Holder& h) { b->SetControl(h.label); },
         "  Control = Form1.Label1\n"},
        {"geometry only where it differs from a new button",
         [](B* b, Holder&) { b->SetBounds(0, 8, 90, 22); }, "  Top = 8\n  Width = 90\n"},
        {"glyph bytes", [](B* b, Holder&) { b->Glyph()->SetSize(4, 4); }, "  Glyph.Data = {"},
        {"modal result, not default style",
         [](B* b, Holder&) {
             b->SetModalResult(mrOk);
             b->SetDefaultStyle(true);
             b->SetFrame(false);
         },
         "  Frame = False\n  FrameColor = clBlack\n  DefaultStyle = True\n  ModalResult = 1\n"},
    };
    for (const Row<B>& row : rows)
        RoundTrip(row);

    using P = TgxSpeedButton;
    const Row<P> plain[] = {
        // Color and ActiveColor carry the published default 0: any other value is written.
        {"plain button colours", [](P* b, Holder&) { b->SetActiveColor(clYellow); },
         "  ActiveColor = clYellow\n"},
        {"grouped down button",
         [](P* b, Holder&) {
             b->SetGroupIndex(2);
             b->SetDown(true);
         },
         "  GroupIndex = 2\n  Down = True\n"},
    };
    for (const Row<P>& row : plain)
        RoundTrip(row);
}

TEST(PublishedPropertiesTest, UnknownReferenceRaises) {
    Holder h;
    auto* b = new TgxSpeedButton(&h.form);
    b->SetName("B");
    try {
        StringToComponent(b, "object B: TgxSpeedButton\n  Control = Nowhere\nend\n");
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Error reading B.Control: Invalid property value");
    }
    EXPECT_EQ(b->Control(), nullptr);
}

TEST(PublishedPropertiesTest, StyleObjectsRoundTrip) {
    ObjectRow<TgxSpeedButtonStyle>(
        "item style: font, bevel sides, both gradients",
        [](TgxSpeedButtonStyle* s) {
            s->Font()->SetName("Arial");
            s->Bevel()->SetSides({fsdLeft, fsdBottom});
            s->Gradient()->SetSteps(16);
            s->TextGradient()->SetFromColor(clRed);
        },
        "  Object.Font.Name = 'Arial'\n  Object.Bevel.Sides = [fsdLeft, fsdBottom]\n"
        "  Object.Gradient.Steps = 16\n  Object.TextGradient.FromColor = clRed\n");
    ObjectRow<TgxLabelColors>(
        "label colours", [](TgxLabelColors* c) { c->SetColorShadowShift(7); },
        "  Object.ColorShadowShift = 7\n");
    ObjectRow<TgxBevelLines>(
        "bevel lines", [](TgxBevelLines* l) { l->SetStyle(bvRaised); }, "  Object.Style = bvRaised\n");
    ObjectRow<TgxExtBevel>(
        "extended bevel", [](TgxExtBevel* b) { b->SetBevelPenStyle(psDot); },
        "  Object.BevelPenStyle = psDot\n");
    ObjectRow<TIllumination>(
        "illumination", [](TIllumination* i) { i->SetShadowDepth(5); }, "  Object.ShadowDepth = 5\n");
    ObjectRow<TThreeDGradient>(
        "3D gradient", [](TThreeDGradient* g) { g->SetGType(fgt3D); }, "  Object.GType = fgt3D\n");
    // The group box's own four colours have no default: always written.
    Carrier<TgxGrBoxColors> box(nullptr);
    EXPECT_EQ(ComponentToString(&box),
              "object Subject: TCarrierTgxGrBoxColors\n  Object.Caption = clBtnFace\n"
              "  Object.CaptionActive = clBtnFace\n  Object.Client = clBtnFace\n"
              "  Object.ClientActive = clBtnFace\nend\n");
}

TEST(PublishedPropertiesTest, BevelsRoundTrip) {
    ObjectRow<TUtlBevel>(
        "shadow styles travel as a pair", [](TUtlBevel* b) { b->SetStyleInner(TUtlBevelStyle::bvShadow); },
        "  Object.StyleInner = bvShadow\n  Object.StyleOuter = bvShadow\n");
    ObjectRow<TUtlBevel>(
        "indexed colour, sides, mode",
        [](TUtlBevel* b) {
            b->SetColor(1, clRed);
            b->SetBorderSides({fsTop});
            b->SetMode(bmEdge);
        },
        "  Object.BorderSides = [fsTop]\n  Object.LightColor = clRed\n  Object.Mode = bmEdge\n");
    ObjectRow<TUtlSimpleBevel>(
        "simple bevel", [](TUtlSimpleBevel* b) { b->SetStyle(sbInset); }, "  Object.Style = sbInset\n");
}

TEST(PublishedPropertiesTest, FillAndEffectObjectsRoundTrip) {
    ObjectRow<TUtlGradient>(
        "gradient style and stops",
        [](TUtlGradient* g) {
            g->SetStyle(gstElliptic);
            g->SetColors({clRed, clLime});
        },
        "  Object.Style = gstElliptic\n");
    // The fill object redeclares Style with the default sfNone.
    ObjectRow<TUtlFillObject>(
        "fill object: brush, options, style",
        [](TUtlFillObject* f) {
            f->Brush()->SetColor(clYellow);
            f->SetOptions({foQuickDraw});
            f->SetStyle(sfBrush);
        },
        "  Object.Brush.Color = clYellow\n  Object.Options = [foQuickDraw]\n"
        "  Object.Style = sfBrush\n");
    ObjectRow<TUtlAlphaObject>(
        "alpha strength away from its 0.6", [](TUtlAlphaObject* a) { a->SetStrength(0.25f); },
        "  Object.Strength = 0.25");
    ObjectRow<TUtlBitmapEffectObject>(
        "effect flags by index, brightness, nested fill",
        [](TUtlBitmapEffectObject* e) {
            e->SetBool(1, true);
            e->SetBool(4, true);
            e->SetBrightness(-40);
            e->AlphaBlend()->FillObject()->SetStyle(sfGradient);
        },
        "  Object.AlphaBlend.FillObject.Style = sfGradient\n  Object.Buffered = True\n"
        "  Object.FlipHorizontal = True\n  Object.Brightness = -40\n");
}

TEST(PublishedPropertiesTest, ShapesRoundTrip) {
    ObjectRow<TUtlShape>(
        "shape with its sub-objects",
        [](TUtlShape* s) {
            s->Bevel()->SetWidth(3);
            s->Shadow()->SetDepth(9);
            s->SetShape(stStar);
        },
        "  Object.Bevel.Width = 3\n  Object.Shadow.Depth = 9\n  Object.Shape = stStar\n");
    ObjectRow<TUtlRgnShadow>(
        "region shadow's own default", [](TUtlRgnShadow* s) { s->SetStyle(hssSolid); },
        "  Object.Style = hssSolid\n");
    ObjectRow<TUtlTeeth>(
        "teeth through indexed setters",
        [](TUtlTeeth* t) {
            t->SetBoolean(0, false);
            t->SetInteger(1, 7);
        },
        "  Object.Height = 7\n  Object.Offset = False\n");
}

TEST(PublishedPropertiesTest, RegionsMasksAndCaptionsRoundTrip) {
    ObjectRow<TUtlBorderRegion>(
        "region with border and shadow",
        [](TUtlBorderRegion* r) {
            r->SetShape(rsOctagon);
            r->Shadow()->SetStyle(hssTracing);
            r->Border()->SetStyle(rbRaised);
        },
        "  Object.Shape = rsOctagon\n  Object.Shadow.Style = hssTracing\n"
        "  Object.Border.Style = rbRaised\n");
    ObjectRow<TUtlRegionMask>(
        "mask", [](TUtlRegionMask* m) { m->SetPixelFormat(spf8bit); }, "  Object.PixelFormat = spf8bit\n");
    ObjectRow<TUtlFxCaption>(
        "caption effect", [](TUtlFxCaption* c) { c->SetAngle(45); }, "  Object.Angle = 45\n");
    ObjectRow<TUtlButtonLayout>(
        "button layout's own alignment default", [](TUtlButtonLayout* l) { l->SetAlignment(agTopLeft); },
        "  Object.Alignment = agTopLeft\n");
    ObjectRow<TUtlDateTime>(
        "a leap day reads back: the year and month come first",
        [](TUtlDateTime* d) {
            d->SetYear(1992);
            d->SetMonth(2);
            d->SetDay(29);
            d->SetSecond(5);
        },
        "  Object.Year = 1992\n  Object.Month = 2\n  Object.Day = 29\n  Object.Second = 5\n");
}

TEST(PublishedPropertiesTest, LibraryComponentsRoundTrip) {
    // The starter and the timer pool start the process-wide services; later tests expect none.
    core::ScopeExit done([] { UtlFinalization(); });
    const Row<TUtlFormShape> shapes[] = {
        {"form shape", [](TUtlFormShape* f, Holder&) { f->SetFormDragable(false); },
         "  FormDragable = False\n"},
    };
    for (const auto& row : shapes)
        RoundTrip(row);
    const Row<TUtlRadioButton> radios[] = {
        {"radio button: flags by index, nested caption effect",
         [](TUtlRadioButton* r, Holder&) {
             r->SetBool(2, true);
             r->Font3D()->SetStyle(tdRaised);
             r->SetCaption("Igen");
         },
         "  Caption = 'Igen'\n"},
        // Ctl3D is written only once the button no longer takes its parent's.
        {"radio button's about text and its own flat look",
         [](TUtlRadioButton* r, Holder&) {
             r->SetAbout("UTL");
             r->SetCtl3D(false);
         },
         "  About = 'UTL'\n  Alignment.Spacing = 4\n  Ctl3D = False\n  ParentCtl3D = False\n"},
    };
    for (const auto& row : radios)
        RoundTrip(row);
    const Row<TUtlCustomScrollBox> boxes[] = {
        // Ctl3D is written only once the box no longer takes its parent's.
        {"scroll box's own flat look", [](TUtlCustomScrollBox* b, Holder&) { b->SetCtl3D(false); },
         "  Ctl3D = False\n  ParentCtl3D = False\n"},
        {"scroll box's colour and place",
         [](TUtlCustomScrollBox* b, Holder&) {
             b->SetColor(clYellow);
             b->SetAlign(alBottom);
             b->SetAnchors({akLeft, akBottom});
             b->SetTabStop(true);
         },
         "  Align = alBottom\n  Anchors = [akLeft, akBottom]\n  Color = clYellow\n  ParentColor = False\n"
         "  TabStop = True\n"},
    };
    for (const auto& row : boxes)
        RoundTrip(row);
    const Row<TUtlImageList> lists[] = {
        {"image list's saving format", [](TUtlImageList* l, Holder&) { l->SetDefaultPixelFormat(spf8bit); },
         "  DefaultPixelFormat = spf8bit\n"},
    };
    for (const auto& row : lists)
        RoundTrip(row);
    const Row<TUtlImageListConnector> connectors[] = {
        {"connector's entries with their image lists",
         [](TUtlImageListConnector* c, Holder& h) {
             static_cast<TUtlBorImageListItem*>(c->ImageLists()->Add())->SetName("Ikonok");
             static_cast<TUtlBorImageListItem*>(c->ImageLists()->Add())->SetImageList(h.images);
         },
         "  ImageLists = <\n    item\n      Name = 'Ikonok'\n    end\n    item\n"
         "      ImageList = Form1.ImageList1\n    end>\n"},
    };
    for (const auto& row : connectors)
        RoundTrip(row);
    const Row<TUtlGraphicList> graphics[] = {
        {"graphic list's entries with their pictures",
         [](TUtlGraphicList* g, Holder&) {
             auto* entry = static_cast<TUtlGraphicListItem*>(g->Graphics()->Add());
             entry->SetName("Logo");
             entry->Picture()->Bitmap()->SetSize(3, 2);
             entry->Picture()->Bitmap()->Canvas()->SetPixels(2, 1, clRed);
             g->Graphics()->Add();
         },
         "  Graphics = <\n    item\n      Name = 'Logo'\n      Picture.Data = {"},
    };
    for (const auto& row : graphics)
        RoundTrip(row);
    const Row<TUtlTimerPool> pools[] = {
        // The base interval changes only while the pool is being read.
        {"timer pool's base interval",
         [](TUtlTimerPool* p, Holder&) {
             p->SetComponentState(p->ComponentState() + TComponentState{csLoading});
             p->SetInterval(250);
             p->SetComponentState(p->ComponentState() - TComponentState{csLoading});
         },
         "  MinInterval = 250\n"},
    };
    for (const auto& row : pools)
        RoundTrip(row);
    const Row<TUtlStarter> starters[] = {
        {"starter: verb, show mode, texts, start moment; events are bound in code",
         [](TUtlStarter* s, Holder&) {
             s->SetStartOperation(smPrint);
             s->SetStartOption(soSW_HIDE);
             s->SetCommand("C:\\Iratok\\level.doc");
             s->SetWait(true);
             s->StartTime()->SetHour(8);
             s->OnError = [](TObject*) {};
         },
         "  StartOperation = smPrint\n  StartOption = soSW_HIDE\n  Command = 'C:\\Iratok\\level.doc'\n"
         "  StartTime.Hour = 8\n  Wait = True\nend\n"},
    };
    for (const auto& row : starters)
        RoundTrip(row);
    TUtlStarter starter(nullptr);
    const TPropInfo* event = GetPropInfo(&starter, "OnFinished");
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(event->Kind, tkMethod);
    const Row<Tgx3DLocalColors> schemes[] = {
        {"3D colour scheme", [](Tgx3DLocalColors* c, Holder&) { c->SetShadow(clMaroon); },
         "  Shadow = clMaroon\n"},
    };
    for (const auto& row : schemes)
        RoundTrip(row);
}
