// The XML writer's binary blocks: the report's data sets and variables, a
// picture's graphic, a rich text's RTF, and the data field a picture or rich
// text is bound to.
#include "platform/data/TFieldDefs.h"
#include "platform/graphics/TBitmap.h"
#include "tests/report/StreamBytes.h"
#include "tests/report/TemplateTestSupport.h"
#include "report/build/TrpDataset.h"
#include "report/build/TrpPage.h"
#include "report/views/TrpPictureView.h"
#include "report/views/TrpRichView.h"
#include "report/build/detail/rpXMLWriter.h"
#include "tests/support/TMemDataSet.h"

namespace {

String Hex(const Bytes& b) {
    static const char digits[] = "0123456789ABCDEF";
    String out;
    for (Byte c : b) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

// The block's values written out by hand: names and short texts after their
// length byte, each value after its kind.
struct Block {
    Bytes Out;
    Block& U8(Byte v) {
        Out.push_back(v);
        return *this;
    }
    Block& I32(std::int32_t v) { return Raw(ByteWriter().I32(v).Out); }
    Block& Raw(const std::string& s) {
        Out.insert(Out.end(), s.begin(), s.end());
        return *this;
    }
    Block& Raw(const Bytes& b) {
        Out.insert(Out.end(), b.begin(), b.end());
        return *this;
    }
    Block& Name(const std::string& s) { return U8(Byte(s.size())).Raw(s); }
    Block& Text(const std::string& s) { return U8(6).U8(Byte(s.size())).Raw(s); }
};

class XMLPropdata : public TemplateTest {
protected:
    XMLPropdata() {
        Form.SetName("Form2");
        Query = new TMemDataSet(&Form);
        Query->SetName("Query1");
        Query->FieldDefs()->Add("nev", ftString, 20);
        Query->FieldDefs()->Add("kep", ftGraphic);
        Query->Open();
        Owned->Pages()->Add();
        Page = Owned->Pages()->Pages(0);
    }
    String Document() {
        TMemoryStream s;
        SaveToRP3Stream(Owned, &s);
        const Bytes b = StreamBytes(s);
        return String(b.begin(), b.end());
    }
    template <typename T> T* Add(const String& Name, const String& Text) {
        auto* v = new T;
        v->Name = Name;
        if (!Text.empty()) v->Memo.Add(Text);
        Page->Add(v);
        return v;
    }

    TComponent Form{nullptr};
    TMemDataSet* Query = nullptr;
    TrpReport* Owned = new TrpReport(&Form);
    TrpPage* Page = nullptr;
};

TEST_F(XMLPropdata, TheReportListsItsDataSetsAndVariables) {
    (new TrpDBDataSet(&Form))->SetName("rpDBDataSet1");
    (new TrpUserDataset(&Form))->SetName("rpUserDataset1");
    Owned->Variables()->Add("Ügyek");    // a category
    Owned->Variables()->Add(" Ügyszám"); // a variable of it
    Owned->Variables()->Add("a=b=c");    // split at the first "="
    Block b;
    b.Name("Datasets").U8(14);
    for (const char* name :
         {"rpDBDataSet1", "rpUserDataset1"}) // Query1 and the report are no report data sets
        b.U8(1).Name("DataSet").U8(13).Name("DataSetName").Text(name).U8(0);
    b.U8(0).Name("Variables").U8(14);
    b.U8(1).Name("Name").Text("\xDCgyek").Name("Value").Text("").U8(0);
    b.U8(1).Name("Name").Text(" \xDCgysz\xE1m").Name("Value").Text("").U8(0);
    b.U8(1).Name("Name").Text("a").Name("Value").Text("b=c").U8(0);
    b.U8(0).U8(0);
    const String doc = Document();
    EXPECT_NE(
        doc.find("ScriptText.text=\"begin&#13;&#10;&#13;&#10;end.\" Propdata=\"" + Hex(b.Out) + "\">\r\n"),
        String::npos)
        << doc;
}

TEST_F(XMLPropdata, AReportWithoutOwnerOrVariablesWritesEmptyCollections) {
    TrpReport lone(nullptr);
    lone.Pages()->Add();
    TMemoryStream s;
    SaveToRP3Stream(&lone, &s);
    const Bytes got = StreamBytes(s);
    Block b;
    b.Name("Datasets").U8(14).U8(0).Name("Variables").U8(14).U8(0).U8(0);
    EXPECT_NE(String(got.begin(), got.end()).find(" Propdata=\"" + Hex(b.Out) + "\">"), String::npos);
}

TEST_F(XMLPropdata, APictureCarriesItsGraphicAndItsField) {
    auto* pic = Add<TrpPictureView>("Picture1", "[Query1.\"kep\"]");
    pic->Flags = flPictCenter; // not stretched, centred, no aspect ratio
    TBitmap bmp(2, 2, pf24bit);
    pic->Picture.SetGraphic(&bmp);
    const Bytes file = bmp.SaveToBytes();
    Block data;
    data.Name("TBitmap").I32(std::int32_t(file.size())).Raw(file);
    const String e = rpViewToRP3(Owned, pic);
    EXPECT_NE(e.find("Memo.text=\"[Query1.&#34;kep&#34;]&#13;&#10;\" Picture.Propdata=\"" + Hex(data.Out) +
                     "\" DataSet=\"Form2.Query1\" DataField=\"kep\" Stretched=\"False\" Center=\"True\" "
                     "KeepAspectRatio=\"False\""),
              String::npos)
        << e;
    // The global current report is left as it was.
    EXPECT_EQ(CurReport, nullptr);
}

TEST_F(XMLPropdata, OnlyTextsThatNameAFieldBindAView) {
    struct Row {
        const char* Text;
        const char* Bound; // "" when the view is not bound
    };
    const Row rows[] = {
        {"[Query1.nev]", " DataSet=\"Form2.Query1\" DataField=\"nev\""},
        {"Query1.nev", " DataSet=\"Form2.Query1\" DataField=\"nev\""}, // without brackets
        {"[Query1.nincs]", ""},                                        // no such field
        {"[Query9.nev]", ""},                                          // no such data set
        {"[nev]", ""},                                                 // no data set to look in
        {"", ""},                                                      // no text
    };
    for (const Row& r : rows) {
        auto* pic = Add<TrpPictureView>("P", r.Text);
        const String e = rpViewToRP3(Owned, pic);
        EXPECT_EQ(e.find("Picture.Propdata"), String::npos); // no graphic held
        const std::size_t at = e.find(" DataSet=");
        EXPECT_EQ(at == String::npos ? String() : e.substr(at, e.find(" KeepAspectRatio") - at), r.Bound)
            << r.Text;
    }
}

TEST_F(XMLPropdata, RichTextKeepsItsRTFBytes) {
    auto* rich = Add<TrpRichView>("Rich1", "[Query1.nev]");
    rich->Flags = flStretched;
    rich->RichText = "{\\rtf1 \xF5}";
    Block b;
    b.Name("RichEdit").U8(6).U8(9).Raw(rich->RichText).U8(0);
    EXPECT_TRUE(rpViewToRP3(Owned, rich)
                    .ends_with(" Propdata=\"" + Hex(b.Out) +
                               "\" StretchMode=\"smMaxHeight\" DataSet=\"Form2.Query1\" "
                               "DataField=\"nev\""));

    // Longer texts carry a four-byte length.
    rich->Flags = 0;
    rich->RichText = "{\\rtf1 " + std::string(300, 'x') + "}";
    Block longer;
    longer.Name("RichEdit").U8(12).I32(308).Raw(rich->RichText).U8(0);
    EXPECT_NE(rpViewToRP3(Owned, rich).find(" Propdata=\"" + Hex(longer.Out) + "\" DataSet="), String::npos);
}

} // namespace
