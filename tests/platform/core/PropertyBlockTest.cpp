// The binary property block: names, texts on both sides of the 255-byte
// limit, the ANSI code page, references without an object, collections.
#include "platform/core/PropertyBlock.h"
#include "platform/core/TMemoryStream.h"

#include <gtest/gtest.h>

namespace {

std::string Written(TMemoryStream& s) {
    return std::string(reinterpret_cast<const char*>(s.Memory()), std::size_t(s.Size()));
}

std::string Int32(std::uint32_t v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char(v >> 24)};
}

TEST(PropertyBlockTest, ACollectionOfItemsEndsTheBlock) {
    TMemoryStream s;
    core::PropertyBlockWriter w(&s);
    w.WritePropName("Datasets");
    w.WriteCollectionBegin();
    w.WriteListBegin();
    w.WritePropName("DataSet");
    w.WriteNil();
    w.WritePropName("DataSetName");
    w.WriteString("Őr");
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
    EXPECT_EQ(Written(s), std::string("\x08") + "Datasets" + "\x0E\x01\x07" + "DataSet" + "\x0D\x0B" +
                              "DataSetName" + "\x06\x02\xD5r" + std::string(3, '\0'));
}

TEST(PropertyBlockTest, TextsUpTo255BytesAreShortOthersLong) {
    struct Row {
        std::size_t Length;
        std::string Head;
    };
    const Row rows[] = {
        {0, std::string("\x06\x00", 2)},
        {255, "\x06\xFF"},
        {256, "\x0C" + Int32(256)}, // one past the length byte
        {70000, "\x0C" + Int32(70000)},
    };
    for (const Row& r : rows) {
        TMemoryStream s;
        core::PropertyBlockWriter(&s).WriteString(std::string(r.Length, 'a'));
        EXPECT_EQ(Written(s), r.Head + std::string(r.Length, 'a')) << r.Length;
    }
    // The limit counts code page bytes, not UTF-8 bytes: 200 "ő" are 200 bytes.
    String accents;
    for (int i = 0; i < 200; ++i)
        accents += "ő";
    TMemoryStream s;
    core::PropertyBlockWriter(&s).WriteString(accents);
    EXPECT_EQ(Written(s), "\x06\xC8" + std::string(200, '\xF5'));
}

TEST(PropertyBlockTest, BytesPassUnchangedAndLongNamesAreCut) {
    TMemoryStream s;
    core::PropertyBlockWriter w(&s);
    w.WriteStringBytes("{\\rtf1 \xF5}");
    w.WritePropName(std::string(300, 'n'));
    EXPECT_EQ(Written(s), "\x06\x09{\\rtf1 \xF5}\xFF" + std::string(255, 'n'));
}

} // namespace
