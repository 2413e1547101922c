// Form-resource text streaming: the written text, round trips of every value
// kind, defined and binary properties, children created by class name, and the
// reader's errors.
#include "platform/core/Exceptions.h"
#include "platform/core/TCollection.h"
#include "platform/core/TComponent.h"
#include "platform/core/TFiler.h"
#include "platform/core/TStream.h"
#include "platform/core/TypInfo.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

enum TShade { shLight, shDark, shDeep };
enum TMark { mkBold, mkItalic, mkUnder };
using TMarks = TSet<TMark>;

class TEdging : public TPersistent {
public:
    String ClassName() const override { return "TEdging"; }
    Integer Width() const { return FWidth; }
    void SetWidth(Integer v) { FWidth = v; }

private:
    Integer FWidth = 1;
};

// An item of a collection: a name and a reference to another component.
class TTag : public TCollectionItem {
public:
    explicit TTag(TCollection* Collection) : TCollectionItem(Collection) {}
    String ClassName() const override { return "TTag"; }
    const String& Name() const { return FName; }
    void SetName(const String& v) { FName = v; }
    TComponent* Link() const { return FLink; }
    void SetLink(TComponent* v) { FLink = v; }

private:
    String FName;
    TComponent* FLink = nullptr;
};

class TSample : public TComponent {
public:
    explicit TSample(TComponent* AOwner) : TComponent(AOwner), FTags(TCollection::ItemClassOf<TTag>()) {}
    String ClassName() const override { return "TSample"; }

    Integer Width() const { return FWidth; }
    void SetWidth(Integer v) { FWidth = v; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v) { FEnabled = v; }
    TShade Shade() const { return FShade; }
    void SetShade(TShade v) { FShade = v; }
    TMarks Marks() const { return FMarks; }
    void SetMarks(TMarks v) { FMarks = v; }
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& v) { FCaption = v; }
    double Ratio() const { return FRatio; }
    void SetRatio(double v) { FRatio = v; }
    TEdging* Edging() { return &FEdging; }
    TCollection* Tags() { return &FTags; }
    TTag* Tag(Integer i) { return static_cast<TTag*>(FTags.Items(i)); }

    std::vector<Byte> Data;
    std::vector<Int64> Values;
    Integer LoadedCalls = 0;

    void DefineProperties(TFiler* Filer) override {
        Filer->DefineBinaryProperty(
            "Data",
            [this](TStream* s) {
                Data.resize(std::size_t(s->Size()));
                if (!Data.empty()) s->ReadBuffer(Data.data(), Integer(Data.size()));
            },
            [this](TStream* s) { s->WriteBuffer(Data.data(), Integer(Data.size())); }, !Data.empty());
        Filer->DefineProperty(
            "Values",
            [this](TReader* r) {
                Values.clear();
                r->ReadListBegin();
                while (!r->EndOfList())
                    Values.push_back(r->ReadInteger());
                r->ReadListEnd();
            },
            [this](TWriter* w) {
                w->WriteListBegin();
                for (Int64 v : Values)
                    w->WriteInteger(v);
                w->WriteListEnd();
            },
            !Values.empty());
    }
    void Loaded() override {
        TComponent::Loaded();
        ++LoadedCalls;
    }

    // Its owned components are its stored children.
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override {
        for (Integer i = 0; i < ComponentCount(); ++i)
            Proc(Components(i));
    }
    TComponent* GetChildOwner() override { return this; }
    void SetParentComponent(TComponent* Value) override { ParentSeen = Value; }
    TComponent* ParentSeen = nullptr;

private:
    Integer FWidth = 0;
    bool FEnabled = true;
    TShade FShade = shLight;
    TMarks FMarks;
    String FCaption;
    double FRatio = 0;
    TEdging FEdging;
    TCollection FTags;
};

void RegisterSample() {
    RegisterClass<TEdging>("TEdging", "",
                           {OrdProp<TEdging>("Width", tkInteger, &TEdging::Width, &TEdging::SetWidth, 1)});
    RegisterClass<TTag>("TTag", "",
                        {StrProp<TTag>("Name", &TTag::Name, &TTag::SetName),
                         RefProp<TTag>("Link", &TTag::Link, &TTag::SetLink)});
    RegisterClass<TSample>("TSample", "",
                           {
                               OrdProp<TSample>("Width", tkInteger, &TSample::Width, &TSample::SetWidth, 0),
                               BoolProp<TSample>("Enabled", &TSample::Enabled, &TSample::SetEnabled, 1),
                               OrdProp<TSample>("Shade", tkEnumeration, &TSample::Shade, &TSample::SetShade,
                                                0, {"shLight", "shDark", "shDeep"}),
                               OrdProp<TSample>("Marks", tkSet, &TSample::Marks, &TSample::SetMarks, 0,
                                                {"mkBold", "mkItalic", "mkUnder"}),
                               StrProp<TSample>("Caption", &TSample::Caption, &TSample::SetCaption),
                               FloatProp<TSample>("Ratio", &TSample::Ratio, &TSample::SetRatio),
                               ObjectProp<TSample>("Edging", &TSample::Edging),
                               ObjectProp<TSample>("Tags", &TSample::Tags),
                           });
}

class FilerTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterSample(); }
};

TEST_F(FilerTest, DefaultsAreLeftOut) {
    TSample s(nullptr);
    s.SetName("Sample1");
    EXPECT_EQ(ComponentToText(&s), "object Sample1: TSample\nend\n");
}

TEST_F(FilerTest, EveryValueKindIsWritten) {
    TSample s(nullptr);
    s.SetName("Sample1");
    s.SetWidth(-12);
    s.SetEnabled(false);
    s.SetShade(shDeep);
    s.SetMarks({mkBold, mkUnder});
    s.SetCaption("Ügy 'A'\r\n");
    s.SetRatio(1.5);
    s.Edging()->SetWidth(3);
    s.Values = {7, -1};
    s.Data.assign(34, 0xAB);
    s.Data[0] = 0x01;
    const String expected = "object Sample1: TSample\n"
                            "  Width = -12\n"
                            "  Enabled = False\n"
                            "  Shade = shDeep\n"
                            "  Marks = [mkBold, mkUnder]\n"
                            "  Caption = 'Ügy ''A'''#13#10\n"
                            "  Ratio = 1.5\n"
                            "  Edging.Width = 3\n"
                            "  Data = {\n"
                            "    01ABABABABABABABABABABABABABABABABABABABABABABABABABABABABABABAB\n"
                            "    ABAB}\n"
                            "  Values = (\n"
                            "    7\n"
                            "    -1)\n"
                            "end\n";
    EXPECT_EQ(ComponentToText(&s), expected);

    TSample back(nullptr);
    TextToComponent(expected, &back);
    EXPECT_EQ(back.Width(), -12);
    EXPECT_FALSE(back.Enabled());
    EXPECT_EQ(back.Shade(), shDeep);
    EXPECT_EQ(back.Marks(), (TMarks{mkBold, mkUnder}));
    EXPECT_EQ(back.Caption(), "Ügy 'A'\r\n");
    EXPECT_DOUBLE_EQ(back.Ratio(), 1.5);
    EXPECT_EQ(back.Edging()->Width(), 3);
    EXPECT_EQ(back.Data, s.Data);
    EXPECT_EQ(back.Values, s.Values);
    EXPECT_EQ(back.LoadedCalls, 1);
    EXPECT_FALSE(back.ComponentState().Contains(csLoading));
}

TEST_F(FilerTest, ReaderAcceptsJoinedTextAndIdentifiersInAnyCase) {
    TSample s(nullptr);
    TextToComponent("object X: TSample\n  Caption = 'a' +\n    'b'#65\n  shade = SHDARK\n  Ratio = 2\nend",
                    &s);
    EXPECT_EQ(s.Caption(), "abA");
    EXPECT_EQ(s.Shade(), shDark);
    EXPECT_DOUBLE_EQ(s.Ratio(), 2.0);
}

TEST_F(FilerTest, ChildrenAreCreatedByClassOrReadIntoByName) {
    TSample parent(nullptr);
    parent.SetName("Parent");
    auto* kept = new TSample(&parent);
    kept->SetName("Kept");
    kept->SetWidth(5);
    const String text = ComponentToText(&parent);
    EXPECT_EQ(text, "object Parent: TSample\n  object Kept: TSample\n    Width = 5\n  end\nend\n");

    TSample target(nullptr);
    TextToComponent("object Parent: TSample\n  object Kept: TSample\n    Width = 5\n  end\n"
                    "  object Made: TSample\n    Width = 9\n  end\nend\n",
                    &target);
    ASSERT_EQ(target.ComponentCount(), 2);
    auto* made = static_cast<TSample*>(target.FindComponent("Made"));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Width(), 9);
    EXPECT_EQ(made->ParentSeen, &target);
    EXPECT_EQ(made->LoadedCalls, 1);

    // Reading again finds the children by name instead of making new ones.
    TextToComponent("object Parent: TSample\n  object Made: TSample\n    Width = 11\n  end\nend\n", &target);
    EXPECT_EQ(target.ComponentCount(), 2);
    EXPECT_EQ(made->Width(), 11);
}

TEST_F(FilerTest, CollectionsTravelAsTheirItems) {
    TSample s(nullptr);
    s.SetName("S1");
    auto* other = new TSample(&s);
    other->SetName("Other");
    static_cast<TTag*>(s.Tags()->Add())->SetName("első");
    static_cast<TTag*>(s.Tags()->Add())->SetLink(other);
    const String text = ComponentToText(&s);
    EXPECT_EQ(text, "object S1: TSample\n"
                    "  Tags = <\n"
                    "    item\n"
                    "      Name = 'első'\n"
                    "    end\n"
                    "    item\n"
                    "      Link = Other\n"
                    "    end>\n"
                    "  object Other: TSample\n"
                    "  end\n"
                    "end\n");
    // Reading replaces the items; the references resolve once the tree is read.
    TSample back(nullptr);
    back.SetName("S1");
    for (int i = 0; i < 3; ++i)
        back.Tags()->Add();
    TextToComponent(text, &back);
    ASSERT_EQ(back.Tags()->Count(), 2);
    EXPECT_EQ(back.Tag(0)->Name(), "első");
    EXPECT_EQ(back.Tag(1)->Link(), back.FindComponent("Other"));
    EXPECT_EQ(ComponentToText(&back), text);
    // An empty collection is not written; "<>" reads as one.
    TextToComponent("object S1: TSample\n  Tags = <>\nend\n", &back);
    EXPECT_EQ(back.Tags()->Count(), 0);
    EXPECT_EQ(ComponentToText(&back), "object S1: TSample\n  object Other: TSample\n  end\nend\n");
}

TEST_F(FilerTest, ReaderErrorsNameTheProperty) {
    TSample s(nullptr);
    s.SetName("S1");
    struct Row {
        const char* text;
        const char* message;
    } rows[] = {
        {"object S1: TSample\n  Height = 3\nend", "Error reading S1.Height: Property Height does not exist"},
        {"object S1: TSample\n  Width = 'x'\nend", "Error reading S1.Width: Invalid property value"},
        {"object S1: TSample\n  Shade = shPale\nend", "Error reading S1.Shade: Invalid property value"},
        {"object S1: TSample\n  Marks = [mkBold, mkNone]\nend",
         "Error reading S1.Marks: Invalid property value"},
        {"object S1: TSample\n  Edging.Depth = 1\nend",
         "Error reading S1.Edging.Depth: Property Depth does not exist"},
        {"object S1: TSample\n  Data = 12\nend", "Error reading S1.Data: Invalid property value"},
        {"object S1: TSample\n  Tags = 1\nend", "Error reading S1.Tags: Invalid property value"},
        {"object S1: TSample\n  Width = <>\nend", "Error reading S1.Width: Invalid property value"},
        {"object S1: TSample\n  Tags = <item Depth = 1 end>\nend",
         "Error reading S1.Tags: Property Depth does not exist"},
        {"object S1: TSample\n  Tags = <item Link = Nobody end>\nend",
         "Error reading S1.Tags: Invalid property value"},
        {"object S1: TSample\n  Tags = <\n    item\n  >\nend", "Line 4: 'end' expected"},
        {"object S1: TSample\n  Width\nend", "Line 3: '=' expected"},
        {"object S1: TSample\n  Caption = 'open\nend", "Line 2: Unterminated string"},
        {"object S1: TSample\n  Data = {0A0}\nend", "Line 2: Invalid binary value"},
        {"object S1: TSample\n", "Line 2: 'end' expected"},
        {"thing S1: TSample\nend", "Line 1: 'object' expected"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ErrorOf<EReadError>([&] { TextToComponent(row.text, &s); }), row.message) << row.text;
    EXPECT_EQ(ErrorOf<EClassNotFound>(
                  [&] { TextToComponent("object S1: TSample\n  object C: TNothing\n  end\nend", &s); }),
              "Class TNothing not found");
    EXPECT_FALSE(s.ComponentState().Contains(csLoading));
}

TEST(FormText, NestingIsBoundedBeforeTheStackIs) {
    auto objects = [](int depth) {
        String text;
        for (int i = 0; i < depth; ++i)
            text += "object A: TSample\n";
        for (int i = 0; i < depth; ++i)
            text += "end\n";
        return text;
    };
    auto lists = [](int depth) {
        return "object A: TSample\n  L = " + String(static_cast<std::size_t>(depth), '(') +
               String(static_cast<std::size_t>(depth), ')') + "\nend\n";
    };
    const String tooDeep = "Objects and lists nested deeper than 256 levels";
    EXPECT_EQ(ErrorOf<EReadError>([&] { TextToFormObject(objects(20000)); }), "Line 257: " + tooDeep);
    EXPECT_EQ(ErrorOf<EReadError>([&] { TextToFormObject(lists(20000)); }), "Line 2: " + tooDeep);
    // An object's lists count with the object itself.
    EXPECT_EQ(ErrorOf<EReadError>([&] { TextToFormObject(lists(256)); }), "Line 2: " + tooDeep);
    EXPECT_NO_THROW(TextToFormObject(objects(256)));
    EXPECT_NO_THROW(TextToFormObject(lists(255)));
}

TEST(PropertyRegistry, AncestorsComeFirst) {
    RegisterSample();
    class TBigSample : public TSample {
    public:
        using TSample::TSample;
        String ClassName() const override { return "TBigSample"; }
        Integer Depth() const { return FDepth; }
        void SetDepth(Integer v) { FDepth = v; }

    private:
        Integer FDepth = 0;
    };
    RegisterClass<TBigSample>(
        "TBigSample", "TSample",
        {OrdProp<TBigSample>("Depth", tkInteger, &TBigSample::Depth, &TBigSample::SetDepth, 0)});
    TBigSample big(nullptr);
    const auto list = GetPropList(&big);
    ASSERT_EQ(list.size(), 9u);
    EXPECT_EQ(list.front()->Name, "Width");
    EXPECT_EQ(list.back()->Name, "Depth");
    EXPECT_EQ(GetPropInfo(&big, "depth"), list.back());
    EXPECT_EQ(GetPropInfo(&big, "Nothing"), nullptr);
}

} // namespace
