#include "platform/core/Exceptions.h"
#include "platform/core/TStringList.h"
#include "platform/core/TMemoryStream.h"

#include "tests/platform/core/StringsLines.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// ---- Text ------------------------------------------------------------------

TEST(StringListText, JoinsEveryLineWithCrLf) {
    TStringList s;
    EXPECT_EQ("", s.Text());
    s.Add("a");
    s.Add("");
    s.Add("ő");
    EXPECT_EQ("a\r\n\r\nő\r\n", s.Text());
}

TEST(StringListText, SplitsOnCrLfCrOrLf) {
    struct Case {
        const char* text;
        V lines;
    } cases[] = {
        {"", {}},                               // empty text, no lines
        {"a", {"a"}},                           // no final break
        {"a\r\n", {"a"}},                       // a final break adds no empty line
        {"a\r\n\r\n", {"a", ""}},               // but an empty line before it stays
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}}, // all three breaks
        {"a\n\rb", {"a", "", "b"}},             // LF CR is two breaks
        {"\r\n", {""}},
    };
    for (const auto& c : cases) {
        TStringList s;
        s.SetText(c.text);
        EXPECT_EQ(c.lines, Lines(s)) << c.text;
    }
}

// ---- CommaText and DelimitedText ----------------------------------------------

TEST(StringListCommaText, QuotesOnlyWhatNeedsIt) {
    TStringList s;
    for (const char* v : {"plain", "two words", "say \"hi\"", "a,b", "", "Árvíztűrő"})
        s.Add(v);
    EXPECT_EQ("plain,\"two words\",\"say \"\"hi\"\"\",\"a,b\",,Árvíztűrő", s.CommaText());
}

TEST(StringListCommaText, SingleEmptyStringIsTwoQuotes) {
    TStringList s;
    s.Add("");
    EXPECT_EQ("\"\"", s.CommaText());
    TStringList empty;
    EXPECT_EQ("", empty.CommaText());
}

TEST(StringListCommaText, ParsesQuotesSpacesAndEmptyItems) {
    struct Case {
        const char* text;
        V items;
    } cases[] = {
        {"a,b,c", {"a", "b", "c"}},
        {"a b", {"a", "b"}},       // an unquoted space splits
        {"  a , b  ", {"a", "b"}}, // blanks around items go
        {"\"two words\",x", {"two words", "x"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}}, // doubled quotes
        {"a,,b", {"a", "", "b"}},
        {",a", {"", "a"}},
        {"a,", {"a", ""}},    // a final delimiter adds an empty item
        {"\"open", {"open"}}, // an unclosed quote keeps every character
        {"\"\"", {""}},
        {"", {}},
    };
    for (const auto& c : cases) {
        TStringList s;
        s.SetCommaText(c.text);
        EXPECT_EQ(c.items, Lines(s)) << c.text;
    }
}

TEST(StringListCommaText, RoundTrips) {
    TStringList s;
    for (const char* v : {" lead", "trail ", "x\"y", "", "ű,ő"})
        s.Add(v);
    TStringList t;
    t.SetCommaText(s.CommaText());
    EXPECT_EQ(Lines(s), Lines(t));
}

TEST(StringListDelimitedText, UsesDelimiterAndQuoteChar) {
    TStringList s;
    s.SetDelimiter(';');
    s.SetQuoteChar('\'');
    s.SetDelimitedText("a;'b;c';'it''s'");
    EXPECT_EQ((V{"a", "b;c", "it's"}), Lines(s));
    EXPECT_EQ("a;'b;c';'it''s'", s.DelimitedText());
    // CommaText ignores them and leaves them in place.
    EXPECT_EQ("a,b;c,it's", s.CommaText());
    EXPECT_EQ(';', s.Delimiter());
}

// ---- name=value --------------------------------------------------------------

TEST(StringListValues, ReadsAndWritesNamedLines) {
    TStringList s;
    s.SetText("cim=Budapest\r\nnoequals\r\nKey=a=b\r\n=empty name\r\n");
    EXPECT_EQ("Budapest", s.Values("CIM")); // names ignore case
    EXPECT_EQ("a=b", s.Values("key"));      // split at the first "="
    EXPECT_EQ("", s.Values("missing"));
    EXPECT_EQ("", s.Values("noequals")); // a line without "=" has no name
    EXPECT_EQ("empty name", s.Values(""));
    EXPECT_EQ("Key", s.Names(2));
    EXPECT_EQ("", s.Names(1));
    EXPECT_EQ("", s.ValueFromIndex(1));
    EXPECT_EQ("a=b", s.ValueFromIndex(2));
    EXPECT_EQ(2, s.IndexOfName("KEY"));
    EXPECT_EQ(-1, s.IndexOfName("noequals"));
}

TEST(StringListValues, SetValueReplacesAppendsAndDeletes) {
    TStringList s;
    s.SetValue("a", "1");
    s.SetValue("b", "2");
    s.SetValue("A", "3");
    EXPECT_EQ((V{"A=3", "b=2"}), Lines(s));
    s.SetValue("b", "");
    EXPECT_EQ((V{"A=3"}), Lines(s));
    s.SetValue("missing", ""); // deleting what is not there changes nothing
    EXPECT_EQ(1, s.Count());
}

// ---- Sorted lists --------------------------------------------------------------

TEST(StringListSorted, AddsInHungarianOrder) {
    TStringList s;
    s.SetSorted(true);
    for (const char* v : {"Zsolt", "Ábel", "Csaba", "Adam", "Czakó", "Zoltán"})
        s.Add(v);
    EXPECT_EQ((V{"Ábel", "Adam", "Czakó", "Csaba", "Zoltán", "Zsolt"}), Lines(s));
}

TEST(StringListSorted, DuplicatesIgnoreAcceptOrRaise) {
    TStringList s;
    s.SetSorted(true);
    s.Add("b");
    s.Add("a");
    EXPECT_EQ(1, s.Add("B")); // ignored: the index of the one already there
    EXPECT_EQ(2, s.Count());
    s.SetDuplicates(dupAccept);
    s.Add("B");
    EXPECT_EQ(3, s.Count());
    s.SetDuplicates(dupError);
    EXPECT_EQ("String list does not allow duplicates", ErrorOf<EStringListError>([&] { s.Add("a"); }));
    EXPECT_EQ(3, s.Count());
}

TEST(StringListSorted, InsertAndPutAreRefused) {
    TStringList s;
    s.SetSorted(true);
    s.Add("a");
    EXPECT_EQ("Operation not allowed on sorted list", ErrorOf<EStringListError>([&] { s.Insert(0, "b"); }));
    EXPECT_EQ("Operation not allowed on sorted list",
              ErrorOf<EStringListError>([&] { s.SetStrings(0, "b"); }));
}

TEST(StringListSorted, MoveIsRefusedWithoutLosingTheString) {
    TStringList s;
    s.SetSorted(true);
    s.Add("a");
    s.Add("b");
    EXPECT_EQ("Operation not allowed on sorted list", ErrorOf<EStringListError>([&] { s.Move(0, 1); }));
    EXPECT_EQ((V{"a", "b"}), Lines(s));
}

TEST(StringListSorted, FindGivesFirstMatchOrInsertPlace) {
    TStringList s;
    s.SetDuplicates(dupAccept);
    s.SetSorted(true);
    for (const char* v : {"b", "d", "b", "b", "f"})
        s.Add(v);
    Integer index = -1;
    EXPECT_TRUE(s.Find("B", index));
    EXPECT_EQ(0, index);
    EXPECT_FALSE(s.Find("c", index));
    EXPECT_EQ(3, index);
    EXPECT_FALSE(s.Find("z", index));
    EXPECT_EQ(5, index);
    EXPECT_EQ(3, s.IndexOf("D"));
}

TEST(StringListSorted, FindOnUnsortedListStillFinds) {
    TStringList s;
    for (const char* v : {"m", "z", "a", "q"})
        s.Add(v);
    Integer index = -1;
    EXPECT_TRUE(s.Find("a", index));
    EXPECT_EQ(2, index);
    EXPECT_FALSE(s.Find("b", index));
    EXPECT_EQ(4, index);
}

TEST(StringListSorted, CaseSensitiveChangeResorts) {
    TStringList s;
    s.SetSorted(true);
    s.SetDuplicates(dupAccept);
    for (const char* v : {"b", "A", "a", "B"})
        s.Add(v);
    s.SetCaseSensitive(true);
    Integer index = -1;
    for (const char* v : {"a", "A", "b", "B"}) {
        EXPECT_TRUE(s.Find(v, index)) << v;
        EXPECT_EQ(v, s[index]);
    }
    EXPECT_EQ(-1, s.IndexOf("c"));
}

TEST(StringListSorted, CustomSortUsesIndexesAndLeavesSortedListAlone) {
    TStringList s;
    for (const char* v : {"ccc", "a", "bb"})
        s.Add(v);
    s.CustomSort([](TStringList* l, Integer i, Integer j) {
        return static_cast<Integer>(l->Get(i).size()) - static_cast<Integer>(l->Get(j).size());
    });
    EXPECT_EQ((V{"a", "bb", "ccc"}), Lines(s));
    TStringList sorted;
    sorted.SetSorted(true);
    for (const char* v : {"ccc", "a", "bb"})
        sorted.Add(v);
    sorted.CustomSort([](TStringList*, Integer i, Integer j) { return j - i; });
    EXPECT_EQ((V{"a", "bb", "ccc"}), Lines(sorted));
}

// ---- Basic list behaviour -------------------------------------------------------

TEST(StringList, IndexErrorsRaise) {
    TStringList s;
    s.Add("x");
    EXPECT_EQ("List index out of bounds (1)", ErrorOf<EStringListError>([&] { s.Get(1); }));
    EXPECT_EQ("List index out of bounds (-1)", ErrorOf<EStringListError>([&] { s.Delete(-1); }));
    EXPECT_EQ("List index out of bounds (2)", ErrorOf<EStringListError>([&] { s.Insert(2, "y"); }));
    EXPECT_EQ("List index out of bounds (1)", ErrorOf<EStringListError>([&] { s.Objects(1); }));
    EXPECT_EQ("List index out of bounds (3)", ErrorOf<EStringListError>([&] { s.Exchange(0, 3); }));
}

TEST(StringList, MoveToABadIndexKeepsTheString) {
    TStringList s;
    s.Add("a");
    s.Add("b");
    EXPECT_EQ("List index out of bounds (2)", ErrorOf<EStringListError>([&] { s.Move(0, 2); }));
    EXPECT_EQ((V{"a", "b"}), Lines(s));
}

TEST(StringList, ObjectsTravelWithTheirStrings) {
    TObject one;
    TObject two;
    TStringList s;
    s.AddObject("one", &one);
    s.AddObject("two", &two);
    s.Move(0, 1);
    EXPECT_EQ(&one, s.Objects(1));
    s.Exchange(0, 1);
    EXPECT_EQ(&two, s.Objects(1));
    EXPECT_EQ(1, s.IndexOfObject(&two));
    s.SetStrings(1, "TWO");
    EXPECT_EQ(&two, s.Objects(1));
}

TEST(StringList, IndexOfIgnoresCaseUnlessCaseSensitive) {
    TStringList s;
    s.Add("Őrség");
    EXPECT_EQ(0, s.IndexOf("őrség"));
    s.SetCaseSensitive(true);
    EXPECT_EQ(-1, s.IndexOf("őrség"));
}

TEST(StringList, AssignAndEquals) {
    TStringList a;
    a.SetDelimiter(';');
    a.SetText("x\r\ny\r\n");
    TStringList b;
    b.Add("old");
    b.Assign(&a);
    EXPECT_TRUE(b.Equals(&a));
    EXPECT_EQ(';', b.Delimiter());
    b.SetStrings(0, "X");
    EXPECT_FALSE(b.Equals(&a)); // case observed
    try {
        b.Assign(nullptr);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ("Cannot assign a nil to a TStringList", e.Message());
    }
}

TEST(StringListEvents, ChangeEventsOncePerUpdateBracket) {
    TStringList s;
    std::vector<std::string> log;
    s.OnChanging = [&](TObject* sender) {
        log.push_back("changing");
        EXPECT_EQ(&s, sender);
    };
    s.OnChange = [&](TObject*) { log.push_back("change"); };
    s.Add("a");
    EXPECT_EQ((V{"changing", "change"}), log);
    log.clear();
    s.BeginUpdate();
    s.Add("b");
    s.Delete(0);
    s.BeginUpdate();
    s.EndUpdate();
    EXPECT_EQ((V{"changing"}), log);
    s.EndUpdate();
    EXPECT_EQ((V{"changing", "change"}), log);
    log.clear();
    s.SetText("x\r\ny");
    EXPECT_EQ((V{"changing", "change"}), log);
}

TEST(StringListEvents, FailingHandlerDuringUpdateDoesNotLeaveTheListLocked) {
    TStringList s;
    s.SetSorted(true);
    s.SetDuplicates(dupError);
    TStringList source;
    source.Add("a");
    source.Add("a");
    EXPECT_EQ("String list does not allow duplicates",
              ErrorOf<EStringListError>([&] { s.AddStrings(&source); }));
    EXPECT_EQ(0, s.UpdateCount());
}

// ---- Streams and files ---------------------------------------------------------

TEST(StringListFiles, SavesInCodePage1250AndLoadsBack) {
    TempFolder dir;
    TStringList s;
    s.Add("Árvíztűrő tükörfúrógép");
    s.Add("ŐŰőű");
    s.SaveToFile(dir.File("list.txt"));
    TMemoryStream raw;
    raw.LoadFromFile(dir.File("list.txt"));
    const std::string bytes(reinterpret_cast<const char*>(raw.Memory()), static_cast<size_t>(raw.Size()));
    EXPECT_EQ("\xC1rv\xEDzt\xFBr\xF5 t\xFCk\xF6rf\xFAr\xF3g\xE9p\r\n\xD5\xDB\xF5\xFB\r\n", bytes);
    TStringList t;
    t.LoadFromFile(dir.File("list.txt"));
    EXPECT_TRUE(t.Equals(&s));
}

TEST(StringListFiles, LoadFromStreamReadsFromThePosition) {
    TMemoryStream m;
    const std::string data = "skip\r\nkeep\r\n";
    m.WriteBuffer(data.data(), static_cast<Integer>(data.size()));
    m.SetPosition(6);
    TStringList s;
    s.LoadFromStream(&m);
    EXPECT_EQ((V{"keep"}), Lines(s));
}

TEST(StringListFiles, MissingFileRaises) {
    TempFolder dir;
    TStringList s;
    const std::string name = dir.File("nincs.txt");
    try {
        s.LoadFromFile(name);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ("Cannot open file \"" + name + "\"", e.Message());
    }
}
