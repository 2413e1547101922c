// The compound-document container: its header and tables read back by a small
// reader here, and by an independent one (python3-olefile) when installed.
#include "platform/core/CompoundFile.h"

#include "tests/support/ErrorOf.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/PythonTools.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

std::uint32_t U32(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    std::memcpy(&v, s.data() + at, 4);
    return v;
}

// Follows the directory and allocation chains to a stream's bytes.
struct Reader {
    const std::string& File;
    std::string Sector(std::uint32_t i) const { return File.substr(512 * (std::size_t{i} + 1), 512); }
    std::uint32_t Fat(std::uint32_t i) const {
        return U32(Sector(U32(File, 76 + 4 * (i / 128))), 4 * (i % 128));
    }
    std::string Chain(std::uint32_t start) const {
        std::string out;
        for (std::uint32_t s = start; s != 0xFFFFFFFE; s = Fat(s))
            out += Sector(s);
        return out;
    }
    std::string Entry(int i) const {
        return Chain(U32(File, 48)).substr(128 * static_cast<std::size_t>(i), 128);
    }
    std::string Stream(int i) const {
        const std::string entry = Entry(i);
        const std::uint32_t start = U32(entry, 116), size = U32(entry, 120);
        if (size >= 4096) return Chain(start).substr(0, size);
        const std::string mini = Chain(U32(Entry(0), 116));
        const std::string miniFat = Chain(U32(File, 60));
        std::string out;
        for (std::uint32_t s = start; s != 0xFFFFFFFE; s = U32(miniFat, 4 * std::size_t{s}))
            out += mini.substr(64 * std::size_t{s}, 64);
        return out.substr(0, size);
    }
};

TEST(CompoundFile, HeaderOfVersionThree) {
    const std::string file = core::BuildCompoundFile({{"Book", "abc"}});
    ASSERT_EQ(file.size() % 512, 0u);
    EXPECT_EQ(file.substr(0, 8), "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
    EXPECT_EQ(U32(file, 24), 0x0003003Eu); // minor 0x3E, major 3
    EXPECT_EQ(U32(file, 28), 0x0009FFFEu); // byte order, 512-byte sectors
    EXPECT_EQ(U32(file, 56), 4096u);       // mini stream cutoff
    EXPECT_EQ(U32(file, 44), 1u);          // one allocation-table sector
    EXPECT_EQ(U32(file, 76), 0u);          // ... at sector 0
    EXPECT_EQ(U32(file, 80), 0xFFFFFFFFu);
}

TEST(CompoundFile, SmallStreamsLiveInTheMiniStream) {
    std::string data(700, 'x');
    data[699] = 'y';
    const std::string file = core::BuildCompoundFile({{"Book", data}});
    Reader reader{file};
    const std::string root = reader.Entry(0);
    EXPECT_EQ(root.substr(0, 20), std::string("R\0o\0o\0t\0 \0E\0n\0t\0r\0y\0", 20));
    EXPECT_EQ(root[66], 5);
    EXPECT_EQ(U32(root, 120), 704u); // eleven mini sectors
    const std::string book = reader.Entry(1);
    EXPECT_EQ(book.substr(0, 8), std::string("B\0o\0o\0k\0", 8));
    EXPECT_EQ(book[64], 10); // name length in bytes with its terminator
    EXPECT_EQ(book[66], 2);
    EXPECT_EQ(reader.Stream(1), data);
}

TEST(CompoundFile, LargeStreamsTakeWholeSectors) {
    std::string data;
    for (int i = 0; i < 70000; ++i)
        data += static_cast<char>(i * 7);
    const std::string file = core::BuildCompoundFile({{"Workbook", data}, {"B", "kicsi"}});
    Reader reader{file};
    // Names in directory order: the shorter first.
    EXPECT_EQ(reader.Entry(1)[0], 'B');
    EXPECT_EQ(reader.Stream(1), "kicsi");
    EXPECT_EQ(reader.Stream(2), data);
    EXPECT_EQ(U32(file, 44), 2u); // 140 data sectors need a second table sector
}

TEST(CompoundFile, LongNamesAreRefused) {
    const String name(32, 'n');
    EXPECT_EQ(ErrorOf<EOleSysError>([&] {
                  core::BuildCompoundFile({{name, "x"}});
              }),
              "The name " + name + " is not valid.");
}

TEST(CompoundFile, WriterReportsAMissingFolderAndCreatesNothing) {
    TempFolder folder("velmora-cfb");
    const String name = folder.File("nincs/book.xls");
    std::uint32_t code = 0;
    try {
        core::CompoundFileWriter writer(name);
    } catch (const EOleSysError& e) {
        code = e.ErrorCode();
        EXPECT_EQ(e.Message(), "The path " + folder.File("nincs") + " could not be found.");
    }
    EXPECT_EQ(code, STG_E_PATHNOTFOUND);
    EXPECT_FALSE(std::filesystem::exists(folder.File("nincs")));
}

TEST(CompoundFile, WriterReplacesAFile) {
    TempFolder folder("velmora-cfb");
    const String name = folder.File("book.xls");
    WriteFileBytes(name, std::string(100000, 'z'));
    {
        core::CompoundFileWriter writer(name);
        writer.CreateStream("Book") = "tartalom";
        writer.Commit();
    }
    const std::string file = ReadFileBytes(name);
    EXPECT_EQ(file.size(), 512u * 5);
    EXPECT_EQ(Reader{file}.Stream(1), "tartalom");
    // A writer that fails, or ends without Commit, leaves that file as it was.
    std::uint32_t code = 0;
    try {
        core::CompoundFileWriter writer(name);
        writer.CreateStream("Book") = std::string(100000, 'y');
        const FileSizeLimit full(4096);
        writer.Commit();
    } catch (const EOleSysError& e) {
        code = e.ErrorCode();
    }
    EXPECT_EQ(code, STG_E_WRITEFAULT);
    { core::CompoundFileWriter abandoned(name); }
    EXPECT_EQ(ReadFileBytes(name), file);
    EXPECT_EQ(FileNamesIn(folder.Path()), std::vector<std::string>{"book.xls"});
}

TEST(CompoundFile, AnIndependentReaderSeesTheStreams) {
    SKIP_WITHOUT_TOOL(PythonModuleMissing("olefile"));
    TempFolder folder("velmora-cfb");
    {
        core::CompoundFileWriter writer(folder.File("book.xls"));
        writer.CreateStream("Book") = std::string(5000, 'a');
        writer.CreateStream("Kicsi") = "12345";
        writer.Commit();
    }
    const std::string command = SystemPython() +
                                " -c \"import olefile,sys; o=olefile.OleFileIO(sys.argv[1]); "
                                "print(o.listdir(), len(o.openstream('Book').read()), "
                                "o.openstream('Kicsi').read())\" '" +
                                folder.File("book.xls") + "'";
    EXPECT_EQ(CommandOutput(command), "[['Book'], ['Kicsi']] 5000 b'12345'\n");
}

} // namespace
