#include "report/script/detail/TrpValues.h"

#include "platform/core/StrUtils.h"
#include "platform/core/TStream.h"
#include "report/common/detail/rpStreamUtils.h"

TrpValues::TrpValues() = default;

TrpValues::~TrpValues() {
    Clear();
}

Integer TrpValues::AddValue() {
    return Items.AddObject("", new TrpValue());
}

TrpValue* TrpValues::GetValue(Integer Index) const {
    return static_cast<TrpValue*>(Items.GetObject(Index));
}

TrpValue* TrpValues::FindVariable(const String& Name) const {
    for (Integer i = 0; i < Items.Count(); ++i)
        if (AnsiSameText(Items.StringAt(i), Name)) return GetValue(i);
    return nullptr;
}

void TrpValues::Clear() {
    for (Integer i = 0; i < Items.Count(); ++i)
        delete Items.GetObject(i);
    Items.Clear();
}

void TrpValues::ReadBinaryData(TStream* Stream) {
    Clear();
    const std::int32_t count = Stream->ReadInt32();
    for (std::int32_t i = 0; i < count; ++i) {
        TrpValue* value = GetValue(AddValue());
        value->Typ = Stream->ReadByte();
        value->OtherKind = Stream->ReadInt32();
        value->DataSet = rpReadShortString(Stream);
        value->Field = rpReadShortString(Stream);
        Items.Put(Items.Count() - 1, rpReadShortString(Stream));
    }
}

void TrpValues::WriteBinaryData(TStream* Stream) {
    Stream->WriteInt32(Items.Count());
    for (Integer i = 0; i < Items.Count(); ++i) {
        TrpValue* value = GetValue(i);
        Stream->WriteByte(value->Typ);
        Stream->WriteInt32(value->OtherKind);
        rpWriteShortString(Stream, value->DataSet);
        rpWriteShortString(Stream, value->Field);
        rpWriteShortString(Stream, Items.Get(i));
    }
}

namespace report {

namespace {

const char* const kSpecialNames[] = {"PAGE#",        "",        "DATE",     "TIME",      "LINE#",
                                     "LINETHROUGH#", "COLUMN#", "CURRENT#", "TOTALPAGES"};
constexpr Integer kSpecialCount = 9;

} // namespace

String SpecialVariableName(Integer Index) {
    return Index >= 0 && Index < kSpecialCount ? kSpecialNames[Index] : String();
}

Integer SpecialVariableIndex(const String& Name) {
    for (Integer k = 0; k < kSpecialCount; ++k)
        if (k != 1 && Name == kSpecialNames[k]) return k;
    return -1;
}

} // namespace report
