// A case whose description runs over pages prints through the office's case sheet with
// every word once, each page's objects on the paper and clear of its footer, no page
// with nothing but its footer, the right page count in the footer, and a text export
// holding the whole description.
#include "platform/core/StrUtils.h"
#include "report/files/TrpRTFExportFilter.h"
#include "report/files/TrpTextExportFilter.h"
#include "report/views/TrpLineView.h"
#include "report/views/detail/MemoText.h"
#include "tests/app/reports/PrintFixture.h"
#include "tests/support/FileBytes.h"

#include <sstream>

namespace apptest {
namespace {

// Numbered words, so a lost, cut or repeated line shows as a word missing or twice.
String NumberedWords(Integer Chars) {
    String text;
    for (Integer k = 1; Length(text) < Chars; ++k)
        text += (k % 23 == 0 ? "\r\n" : k > 1 ? " " : "") + String("tényállás") + std::to_string(k);
    return text;
}

// A stored memo's line k: a split memo's parts hold wrapped line records.
String TextOf(const TrpView& View, Integer k) {
    return report::IsWrapped(View.Memo) ? report::ParseLineRecord(View.Memo[k]).Text : View.Memo[k];
}

// The words of every memo line of a prepared page.
std::vector<String> WordsOn(TrpPageInfo& Page) {
    std::vector<String> words;
    for (const auto& view : Page.Page->Objects)
        for (Integer k = 0; k < view->Memo.Count(); ++k) {
            std::istringstream line(TextOf(*view, k));
            for (String w; line >> w;)
                words.push_back(w);
        }
    return words;
}

// What lies below the paper or reaches into the page footer, whose rule is the page's lowest line.
std::vector<String> FooterFaults(TrpPageInfo& Page) {
    Integer rule = 0;
    for (const auto& view : Page.Page->Objects)
        if (dynamic_cast<TrpLineView*>(view.get())) rule = std::max(rule, view->Top);
    std::vector<String> faults;
    for (const auto& view : Page.Page->Objects) {
        const Integer bottom = view->Top + view->Height;
        const String what = view->Memo.Count() ? TextOf(*view, 0) : view->ClassName();
        if (bottom > Page.PrnInfo.Pgh) faults.push_back("below the paper: " + what);
        if (view->Top < rule && bottom > rule) faults.push_back("over the footer: " + what);
    }
    return faults;
}

class LongDescription : public PrintFixture {};

TEST_F(LongDescription, PrintsWholeOnPagesOfItsOwnClearOfTheFooter) {
    const Sample sample = AddSampleOffice();
    const String description = NumberedWords(16000);
    Exec("UPDATE ugy SET leiras='" + description + "' WHERE sorszam=" + Key(sample.Case));
    Create();
    std::vector<String> faults;
    std::vector<String> words;
    Integer pages = 0;
    const String exported = Folder() + "/adatlap.txt", rtf = Folder() + "/adatlap.rtf";
    Inspect = [&](TrpReport& r) {
        TrpEMFPages* prepared = r.EMFPages();
        pages = prepared->Count();
        for (Integer i = 0; i < pages; ++i) {
            prepared->ObjectsToPage(i);
            for (const String& w : WordsOn(*prepared->Pages(i)))
                words.push_back(w);
            for (const String& f : FooterFaults(*prepared->Pages(i)))
                faults.push_back("page " + std::to_string(i + 1) + ": " + f);
            // The footer is a rule and three texts.
            if (prepared->Pages(i)->Page->Objects.size() <= 4)
                faults.push_back("page " + std::to_string(i + 1) + " holds only its footer");
        }
        r.ExportTo([] { return new TrpTextExportFilter(nullptr, 16); }, exported);
        r.ExportTo([] { return new TrpRTFExportFilter(nullptr, 16); }, rtf);
    };
    ugyitemfrf->PrintCaseSheet(sample.Case);
    EXPECT_TRUE(Boxes.empty()) << Boxes.front();
    std::ostringstream all;
    for (const String& f : faults)
        all << "\n  " << f;
    EXPECT_TRUE(faults.empty()) << all.str();

    // Every word of the description once, in order, and nothing of it twice.
    std::istringstream source(description);
    std::vector<String> expected;
    for (String w; source >> w;)
        expected.push_back(w);
    std::vector<String> printed;
    std::copy_if(words.begin(), words.end(), std::back_inserter(printed),
                 [](const String& w) { return w.starts_with("tényállás"); });
    EXPECT_EQ(printed, expected);

    // The footer counts the pages built (two passes), and both exports hold the last word
    // (the RTF one with its accented letters escaped).
    ASSERT_GE(pages, 3);
    const String last = std::to_string(pages) + "/" + std::to_string(pages);
    EXPECT_EQ(std::count(words.begin(), words.end(), last), 1) << "no footer reads " << last;
    EXPECT_NE(ReadFileBytes(exported).find(expected.back()), String::npos);
    EXPECT_NE(ReadFileBytes(rtf).find("s" + expected.back().substr(String("tényállás").size())),
              String::npos);
}

} // namespace
} // namespace apptest
