// The export filters the engine registers at start-up, driven by the report's
// export as the preview's save dialog drives them.
#include "tests/report/BandEngineSupport.h"
#include "tests/report/FakeProgressWindow.h"

#include "platform/core/Exceptions.h"
#include "report/common/detail/rpRegistry.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TempFolder.h"

#include <filesystem>

namespace {

class RegisteredFilters : public BandEngineTest {
protected:
    void SetUp() override {
        BandEngineTest::SetUp();
        report::rpSetProgressWindow(new FakeWindow()); // the engine owns it
        Recorder.AnswerWith([this](const ui::DialogRequest& r) {
            Asked.push_back(r.Caption + "|" + r.Text + "|" + r.Value);
            return ui::DialogAnswer{1, Answer};
        });
        Band(btMasterData, 20, 1000, "2");
        Memo(0, 20, "Oldal [PAGE#]: őrzendő");
        Memo(130, 52, "Ügy");
        ASSERT_TRUE(Report->PrepareReport());
        ASSERT_EQ(Report->EMFPages()->Count(), 2);
    }
    void TearDown() override {
        report::rpSetProgressWindow(nullptr);
        BandEngineTest::TearDown();
    }
    static const TrpExportFilterInfo& Filter(const String& ClassName) {
        for (Integer i = 0; i < rpFiltersCount; ++i)
            if (rpFilters[i].ClassName == ClassName) return rpFilters[i];
        throw std::runtime_error("no filter " + ClassName);
    }

    std::vector<String> Asked;
    String Answer = "16";
    TempFolder Dir{"velmora-filters"};
};

TEST_F(RegisteredFilters, TextThenRTFAsTheSaveDialogOffersThem) {
    ASSERT_GE(rpFiltersCount, 2);
    EXPECT_EQ(rpFilters[0].ClassName, "TrpTextExportFilter");
    EXPECT_EQ(rpFilters[0].FilterDesc, "ASCII Text file (*.txt)");
    EXPECT_EQ(rpFilters[0].FilterExt, "*.txt");
    EXPECT_EQ(rpFilters[1].ClassName, "TrpRTFExportFilter");
    EXPECT_EQ(rpFilters[1].FilterDesc, "Rich Text file (*.rtf)");
    EXPECT_EQ(rpFilters[1].FilterExt, "*.rtf");
    // Starting the engine again registers nothing twice.
    const Integer count = rpFiltersCount;
    rpDoneEngine();
    rpInitEngine();
    EXPECT_EQ(rpFiltersCount, count);
}

TEST_F(RegisteredFilters, TheTextFilterAsksItsRowHeightAndWritesEveryPage) {
    Answer = " 32 ";
    const String name = Dir.File("lista.txt");
    Report->ExportTo(Filter("TrpTextExportFilter").ClassRef, name);
    EXPECT_EQ(Asked, std::vector<String>{"Filter properties|Average font height:|16"});
    // Lines start 1 pixel inside their memos: rows of 32 pixels put y 21 in
    // row 1 and y 53 in row 2; x 132 is column 20. UTF-8 throughout.
    const String page = "\r\nOldal %: őrzendő\r\n                    Ügy\r\n\f\r\n";
    String expected;
    for (char n : {'1', '2'}) {
        expected += page;
        expected[expected.find('%')] = n;
    }
    EXPECT_EQ(ReadFileBytes(name), expected);
}

TEST_F(RegisteredFilters, AnAnswerThatIsNoHeightWritesNoFile) {
    const String name = Dir.File("lista.rtf");
    for (const String answer : {"abc", "0", "-5", ""}) {
        Answer = answer;
        EXPECT_EQ(
            ErrorOf<EConvertError>([&] { Report->ExportTo(Filter("TrpRTFExportFilter").ClassRef, name); }),
            "The average font height must be a whole number above 0")
            << answer;
    }
    EXPECT_FALSE(std::filesystem::exists(name));
}

TEST_F(RegisteredFilters, TheRTFFilterWritesOneDocumentOfBothPages) {
    const String name = Dir.File("lista.rtf");
    Report->ExportTo(Filter("TrpRTFExportFilter").ClassRef, name);
    EXPECT_EQ(Asked, std::vector<String>{"Filter properties|Average font height:|16"});
    // Rows of 16 pixels: y 21 in row 1, y 53 in row 3; x 2 and 132 in twips.
    const String page = "\\pard{\\par}\r\n"
                        "\\pard\\tx31{\\tab\\f0\\fs20\\cf1 Oldal %: \\'f5rzend\\'f5\\par}\r\n"
                        "\\pard{\\par}\r\n"
                        "\\pard\\tx2031{\\tab\\f0\\fs20\\cf1 \\'dcgy\\par}\r\n";
    auto numbered = [&](char n) {
        String p = page;
        p[p.find('%')] = n;
        return p;
    };
    EXPECT_EQ(ReadFileBytes(name), "{\\rtf1\\ansi\\ansicpg1250\r\n{\\fonttbl{\\f0 Arial}}\r\n"
                                   "{\\colortbl;\\red0\\green0\\blue0;}\r\n" +
                                       numbered('1') + "\\page\r\n" + numbered('2') + "\\par}");
}

} // namespace
