// The compound-document container: sectors of 512 bytes after a 512-byte header,
// in this order: allocation-table sectors, directory, mini allocation table,
// mini stream, then the streams of 4,096 bytes and more.
#include "platform/core/CompoundFile.h"

#include "platform/core/AtomicFile.h"
#include "platform/core/FileUtils.h"
#include "platform/core/Utf8.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace core {

namespace {

constexpr std::uint32_t SectorSize = 512;
constexpr std::uint32_t MiniSectorSize = 64;
constexpr std::uint32_t MiniStreamCutoff = 4096;
constexpr std::uint32_t EntriesPerSector = SectorSize / 4;
constexpr std::uint32_t HeaderFatSlots = 109;
constexpr std::uint32_t FreeSect = 0xFFFFFFFF, EndOfChain = 0xFFFFFFFE, FatSect = 0xFFFFFFFD,
                        NoStream = 0xFFFFFFFF;

void Put16(std::string& Out, std::size_t At, std::uint16_t Value) {
    Out[At] = static_cast<char>(Value & 0xFF);
    Out[At + 1] = static_cast<char>(Value >> 8);
}

void Put32(std::string& Out, std::size_t At, std::uint32_t Value) {
    for (int i = 0; i < 4; ++i)
        Out[At + static_cast<std::size_t>(i)] = static_cast<char>((Value >> (8 * i)) & 0xFF);
}

std::uint32_t SectorsFor(std::size_t Bytes, std::uint32_t Size) {
    return static_cast<std::uint32_t>((Bytes + Size - 1) / Size);
}

std::u16string Utf16(const String& Name) {
    std::u16string out;
    for (char32_t c : Utf8ToU32(Name)) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

// Directory order: shorter names first, then by upper-case code units.
bool NameLess(const std::u16string& A, const std::u16string& B) {
    if (A.size() != B.size()) return A.size() < B.size();
    for (std::size_t i = 0; i < A.size(); ++i) {
        const char16_t a = A[i] >= u'a' && A[i] <= u'z' ? static_cast<char16_t>(A[i] - 32) : A[i];
        const char16_t b = B[i] >= u'a' && B[i] <= u'z' ? static_cast<char16_t>(B[i] - 32) : B[i];
        if (a != b) return a < b;
    }
    return false;
}

void WriteEntry(std::string& Out, std::size_t At, const std::u16string& Name, Byte Type, std::uint32_t Right,
                std::uint32_t Child, std::uint32_t Start, std::uint32_t Size) {
    for (std::size_t i = 0; i < Name.size(); ++i)
        Put16(Out, At + 2 * i, Name[i]);
    Put16(Out, At + 64, static_cast<std::uint16_t>(Name.empty() ? 0 : 2 * (Name.size() + 1)));
    Out[At + 66] = static_cast<char>(Type);
    Out[At + 67] = static_cast<char>(Type == 0 ? 0 : 1); // black
    Put32(Out, At + 68, NoStream);
    Put32(Out, At + 72, Right);
    Put32(Out, At + 76, Child);
    Put32(Out, At + 116, Type == 0 ? 0 : Start);
    Put32(Out, At + 120, Size);
}

String ErrorMessage(std::uint32_t Code, const String& FileName) {
    switch (Code) {
    case STG_E_PATHNOTFOUND:
        return "The path " + ExtractFileDir(FileName) + " could not be found.";
    case STG_E_ACCESSDENIED:
        return "Access denied: " + FileName + ".";
    case STG_E_WRITEFAULT:
        return "A disk error occurred while writing " + FileName + ".";
    case STG_E_MEDIUMFULL:
        return "There is not enough disk space to write " + FileName + ".";
    case STG_E_INVALIDNAME:
        return "The name " + FileName + " is not valid.";
    case STG_E_DOCFILETOOLARGE:
        return "The compound file is too large.";
    default:
        return "The file " + FileName + " could not be created.";
    }
}

} // namespace

std::string BuildCompoundFile(const std::vector<CompoundStream>& Streams) {
    struct Placed {
        std::u16string Name;
        const std::string* Data;
        bool Mini;
        std::uint32_t Start = EndOfChain;
    };
    std::vector<Placed> placed;
    for (const CompoundStream& stream : Streams) {
        std::u16string name = Utf16(stream.Name);
        if (name.empty() || name.size() > 31)
            throw EOleSysError(ErrorMessage(STG_E_INVALIDNAME, stream.Name), STG_E_INVALIDNAME);
        placed.push_back({std::move(name), &stream.Data, stream.Data.size() < MiniStreamCutoff});
    }
    std::sort(placed.begin(), placed.end(),
              [](const Placed& a, const Placed& b) { return NameLess(a.Name, b.Name); });

    // Mini sectors, then the sector counts of every part.
    std::uint32_t miniSectors = 0;
    std::uint32_t bigSectors = 0;
    for (Placed& p : placed) {
        if (p.Data->empty()) continue;
        if (p.Mini) {
            p.Start = miniSectors;
            miniSectors += SectorsFor(p.Data->size(), MiniSectorSize);
        } else {
            bigSectors += SectorsFor(p.Data->size(), SectorSize);
        }
    }
    const std::uint32_t dirSectors = SectorsFor((placed.size() + 1) * 128, SectorSize);
    const std::uint32_t miniFatSectors = SectorsFor(miniSectors * 4, SectorSize);
    const std::uint32_t miniStreamSectors = SectorsFor(std::size_t{miniSectors} * MiniSectorSize, SectorSize);
    const std::uint32_t others = dirSectors + miniFatSectors + miniStreamSectors + bigSectors;
    std::uint32_t fatSectors = 1;
    while (fatSectors * EntriesPerSector < others + fatSectors)
        ++fatSectors;
    if (fatSectors > HeaderFatSlots)
        throw EOleSysError(ErrorMessage(STG_E_DOCFILETOOLARGE, ""), STG_E_DOCFILETOOLARGE);

    const std::uint32_t dirStart = fatSectors;
    const std::uint32_t miniFatStart = dirStart + dirSectors;
    const std::uint32_t miniStreamStart = miniFatStart + miniFatSectors;
    std::uint32_t next = miniStreamStart + miniStreamSectors;
    for (Placed& p : placed) {
        if (!p.Mini && !p.Data->empty()) {
            p.Start = next;
            next += SectorsFor(p.Data->size(), SectorSize);
        }
    }
    const std::uint32_t totalSectors = next;

    std::string file(SectorSize * (1 + std::size_t{totalSectors}), '\0');
    auto sector = [](std::uint32_t Index) { return SectorSize * (1 + std::size_t{Index}); };

    // Header.
    const unsigned char signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::memcpy(file.data(), signature, 8);
    Put16(file, 24, 0x003E);
    Put16(file, 26, 0x0003);
    Put16(file, 28, 0xFFFE);
    Put16(file, 30, 9);
    Put16(file, 32, 6);
    Put32(file, 44, fatSectors);
    Put32(file, 48, dirStart);
    Put32(file, 56, MiniStreamCutoff);
    Put32(file, 60, miniFatSectors ? miniFatStart : EndOfChain);
    Put32(file, 64, miniFatSectors);
    Put32(file, 68, EndOfChain);
    for (std::uint32_t i = 0; i < HeaderFatSlots; ++i)
        Put32(file, 76 + 4 * std::size_t{i}, i < fatSectors ? i : FreeSect);

    // Allocation table: chains of consecutive sectors.
    std::vector<std::uint32_t> fat(std::size_t{fatSectors} * EntriesPerSector, FreeSect);
    auto chain = [](std::vector<std::uint32_t>& Table, std::uint32_t Start, std::uint32_t Count) {
        for (std::uint32_t i = 0; i < Count; ++i)
            Table[Start + i] = i + 1 < Count ? Start + i + 1 : EndOfChain;
    };
    for (std::uint32_t i = 0; i < fatSectors; ++i)
        fat[i] = FatSect;
    chain(fat, dirStart, dirSectors);
    chain(fat, miniFatStart, miniFatSectors);
    chain(fat, miniStreamStart, miniStreamSectors);
    std::vector<std::uint32_t> miniFat(std::size_t{miniFatSectors} * EntriesPerSector, FreeSect);
    for (const Placed& p : placed) {
        if (p.Data->empty()) continue;
        if (p.Mini) {
            chain(miniFat, p.Start, SectorsFor(p.Data->size(), MiniSectorSize));
            std::memcpy(file.data() + sector(miniStreamStart) + std::size_t{p.Start} * MiniSectorSize,
                        p.Data->data(), p.Data->size());
        } else {
            chain(fat, p.Start, SectorsFor(p.Data->size(), SectorSize));
            std::memcpy(file.data() + sector(p.Start), p.Data->data(), p.Data->size());
        }
    }
    for (std::size_t i = 0; i < fat.size(); ++i)
        Put32(file, sector(0) + 4 * i, fat[i]);
    for (std::size_t i = 0; i < miniFat.size(); ++i)
        Put32(file, sector(miniFatStart) + 4 * i, miniFat[i]);

    // Directory: the root, whose child is the first stream; the streams in name
    // order, each the right sibling of the one before.
    const std::size_t dir = sector(dirStart);
    WriteEntry(file, dir, u"Root Entry", 5, NoStream, placed.empty() ? NoStream : 1,
               miniStreamSectors ? miniStreamStart : EndOfChain, miniSectors * MiniSectorSize);
    for (std::size_t i = 0; i < placed.size(); ++i)
        WriteEntry(file, dir + 128 * (i + 1), placed[i].Name, 2,
                   i + 1 < placed.size() ? static_cast<std::uint32_t>(i + 2) : NoStream, NoStream,
                   placed[i].Start, static_cast<std::uint32_t>(placed[i].Data->size()));
    for (std::size_t i = placed.size() + 1; i < std::size_t{dirSectors} * 4; ++i)
        WriteEntry(file, dir + 128 * i, u"", 0, NoStream, NoStream, 0, 0);
    return file;
}

CompoundFileWriter::CompoundFileWriter(const String& FileName)
    : FFileName(NormalizePath(FileName)), FFile(std::make_unique<FileReplacement>(FFileName)) {
    const String folder = ExtractFileDir(FFileName);
    if (!folder.empty() && !DirectoryExists(folder))
        throw EOleSysError(ErrorMessage(STG_E_PATHNOTFOUND, FFileName), STG_E_PATHNOTFOUND);
    if (!FFile->Valid()) {
        const int error = FFile->Error();
        const std::uint32_t code = error == EACCES || error == EPERM || error == EROFS ? STG_E_ACCESSDENIED
                                   : error == ENOENT                                   ? STG_E_PATHNOTFOUND
                                                                                       : STG_E_FILENOTFOUND;
        throw EOleSysError(ErrorMessage(code, FFileName), code);
    }
}

CompoundFileWriter::~CompoundFileWriter() = default;

std::string& CompoundFileWriter::CreateStream(const String& Name) {
    FStreams.push_back({Name, {}});
    return FStreams.back().Data;
}

void CompoundFileWriter::Commit() {
    const std::string bytes =
        BuildCompoundFile(std::vector<CompoundStream>(FStreams.begin(), FStreams.end()));
    auto fail = [this](int error) {
        const std::uint32_t code = error == ENOSPC || error == EDQUOT ? STG_E_MEDIUMFULL : STG_E_WRITEFAULT;
        FFile.reset(); // the earlier file stays
        throw EOleSysError(ErrorMessage(code, FFileName), code);
    };
    if (!FFile) fail(EBADF);
    if (!FFile->Write(bytes) || !FFile->Commit()) fail(FFile->Error());
}

} // namespace core
