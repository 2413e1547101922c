// Wave objects: header reading with checked chunk sizes, the stream forms,
// invalid data, the form-resource property, and playing without a device.
#include "controls/services/TUtlWave.h"
#include "controls/common/UtlLZRW.h"
#include "platform/core/TComponent.h"
#include "platform/core/TFiler.h"
#include "platform/core/TypInfo.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<Byte>;

void Put32(Bytes& b, Cardinal v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(Byte(v >> (8 * i)));
}
void Put16(Bytes& b, Word v) {
    b.push_back(Byte(v));
    b.push_back(Byte(v >> 8));
}

// A PCM wave of Samples 16-bit samples.
Bytes MakeWave(Word Channels, Cardinal Rate, std::size_t Samples) {
    Bytes b{'R', 'I', 'F', 'F'};
    Put32(b, Cardinal(36 + Samples * 2));
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(b, 16);
    Put16(b, 1);
    Put16(b, Channels);
    Put32(b, Rate);
    Put32(b, Rate * Channels * 2);
    Put16(b, Word(Channels * 2));
    Put16(b, 16);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    Put32(b, Cardinal(Samples * 2));
    for (std::size_t i = 0; i < Samples; ++i)
        Put16(b, Word(i * 300));
    return b;
}

void Fill(TMemoryStream& s, const Bytes& b) {
    if (!b.empty()) s.WriteBuffer(b.data(), Integer(b.size()));
    s.SetPosition(0);
}

TEST(UtlWaveInfo, HeaderFieldsAndCheckedSizes) {
    Bytes wave = MakeWave(2, 22050, 10);
    TMemoryStream s;
    Fill(s, wave);
    TUtlWaveInfo info;
    ASSERT_TRUE(UtlGetWaveStreamInfo(&s, info));
    EXPECT_EQ(info.Format, wfPCM);
    EXPECT_EQ(info.ChannelMode, cmStereo);
    EXPECT_EQ(info.SampleRate, 22050u);
    EXPECT_EQ(info.Bits, 16);
    EXPECT_EQ(info.RiffSize, 56u);

    struct Row {
        const char* why;
        std::size_t at;
        Byte value;
    } rows[] = {
        {"RIFF size past the data", 5, 0x10},
        {"format chunk shorter than a format", 16, 8},
        {"format chunk past the data", 17, 0x10},
        {"not a WAVE", 8, 'X'},
    };
    for (const Row& row : rows) {
        Bytes bad = wave;
        bad[row.at] = row.value;
        TMemoryStream b;
        Fill(b, bad);
        EXPECT_FALSE(UtlGetWaveStreamInfo(&b, info)) << row.why;
    }
    TMemoryStream empty;
    EXPECT_FALSE(UtlGetWaveStreamInfo(&empty, info));
    EXPECT_FALSE(UtlGetWaveStreamInfo(nullptr, info));
}

TEST(UtlWave, StreamFormsRoundTrip) {
    const Bytes bytes = MakeWave(1, 8000, 2000);
    TMemoryStream source;
    Fill(source, bytes);
    TUtlWave wave;
    Integer changes = 0;
    wave.OnChange = [&](TObject*) { ++changes; };
    wave.LoadFromStream(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(wave.GetSize(), Integer(bytes.size()));
    EXPECT_EQ(wave.GetChannelMode(), cmMono);
    EXPECT_EQ(wave.GetSampleRate(), 8000u);
    for (bool compressed : {false, true}) {
        TMemoryStream s;
        stWriteWave(&s, &wave, compressed);
        if (!compressed) {
            EXPECT_EQ(s.Size(), Int64(4 + bytes.size()));
        }
        s.SetPosition(0);
        TUtlWave back;
        stReadWave(&s, &back, compressed);
        ASSERT_EQ(back.GetSize(), wave.GetSize());
        EXPECT_EQ(0, std::memcmp(back.Data()->Memory(), bytes.data(), bytes.size())) << compressed;
    }
}

TEST(UtlWave, EmptyWaveWritesOnlyTheLength) {
    TUtlWave wave;
    TMemoryStream s;
    wave.SaveToStreamEx(&s);
    EXPECT_EQ(s.Size(), 4);
    const Bytes full = MakeWave(1, 8000, 4);
    TMemoryStream source;
    Fill(source, full);
    TUtlWave back;
    back.LoadFromStream(&source);
    s.SetPosition(0);
    back.LoadFromStreamEx(&s);
    EXPECT_TRUE(back.GetEmpty());
    EXPECT_EQ(back.GetBits(), 0);
    EXPECT_FALSE(back.Play());
}

TEST(UtlWave, InvalidDataKeepsThePreviousSound) {
    const Bytes full = MakeWave(1, 8000, 4);
    TMemoryStream source;
    Fill(source, full);
    TUtlWave wave;
    wave.LoadFromStream(&source);
    const Bytes junk(60, 'x');
    TMemoryStream bad;
    Fill(bad, junk);
    EXPECT_EQ(ErrorOf<EInvalidWave>([&] { wave.LoadFromStream(&bad); }), "TUtlWave: Cannot open file %s");
    EXPECT_EQ(wave.GetSize(), Integer(full.size()));
    // A length beyond the stream is refused before anything is read.
    TMemoryStream lying;
    lying.WriteInt32(100000);
    lying.SetPosition(0);
    EXPECT_EQ(ErrorOf<EReadError>([&] { wave.LoadFromStreamEx(&lying); }), "Stream read error");
    EXPECT_EQ(wave.GetSize(), Integer(full.size()));
}

TEST(UtlWave, FilesAssignAndFree) {
    TempFolder folder("wave");
    const Bytes full = MakeWave(2, 11025, 16);
    TMemoryStream source;
    Fill(source, full);
    TUtlWave wave;
    wave.LoadFromStream(&source);
    wave.SaveToFile(folder.File("a.wav"));
    TUtlWave loaded(folder.File("a.wav"));
    EXPECT_EQ(loaded.GetSize(), Integer(full.size()));
    TUtlWaveInfo info;
    EXPECT_TRUE(UtlGetWaveFileInfo(folder.File("a.wav"), info));
    EXPECT_FALSE(UtlGetWaveFileInfo(folder.File("none.wav"), info));
    TUtlWave copy;
    copy.Assign(&wave);
    EXPECT_EQ(copy.GetSize(), wave.GetSize());
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.GetEmpty());
    wave.FreeWave();
    EXPECT_TRUE(wave.GetEmpty());
}

class TWaveHolder : public TComponent {
public:
    using TComponent::TComponent;
    String ClassName() const override { return "TWaveHolder"; }
    TUtlWave* Wave() { return &FWave; }

private:
    TUtlWave FWave;
};

TEST(UtlWave, DataPropertyThroughTheTextForm) {
    RegisterClass<TWaveHolder>("TWaveHolder", "", {ObjectProp<TWaveHolder>("Wave", &TWaveHolder::Wave)});
    TWaveHolder holder(nullptr);
    EXPECT_EQ(ComponentToText(&holder), "object TWaveHolder\nend\n");
    const Bytes full = MakeWave(1, 8000, 3);
    TMemoryStream source;
    Fill(source, full);
    holder.Wave()->LoadFromStream(&source);
    const String text = ComponentToText(&holder);
    // Length 50 (0x32) then the bytes: "RIFF" first.
    EXPECT_NE(text.find("Wave.Data = {\n    3200000052494646"), String::npos) << text;
    TWaveHolder back(nullptr);
    TextToComponent(text, &back);
    EXPECT_EQ(back.Wave()->GetSize(), Integer(full.size()));
}

} // namespace
