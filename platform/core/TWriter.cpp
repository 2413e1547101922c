#include "platform/core/Exceptions.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TCollection.h"
#include "platform/core/TComponent.h"
#include "platform/core/TFiler.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TypInfo.h"

namespace {

// The identifiers of the set bits, in element order.
std::vector<String> SetElements(const TPropInfo& p, Int64 bits) {
    std::vector<String> out;
    for (std::size_t i = 0; i < p.Names.size() && i < 64; ++i)
        if ((std::uint64_t(bits) >> i) & 1u) out.push_back(p.Names[i]);
    return out;
}

} // namespace

TFormObject TWriter::WriteComponent(TComponent* Component) {
    FRoot = Component;
    TFormObject out;
    WriteObject(Component, out);
    return out;
}

void TWriter::WriteObject(TComponent* Component, TFormObject& Out) {
    Component->SetComponentState(Component->ComponentState() + TComponentState{csWriting});
    Out.Name = Component->Name();
    Out.ClassName = Component->ClassName();
    WriteProperties(Component, "", Out);
    Component->GetChildren(
        [&](TComponent* Child) {
            Out.Children.emplace_back();
            WriteObject(Child, Out.Children.back());
        },
        FRoot);
    Component->SetComponentState(Component->ComponentState() - TComponentState{csWriting});
}

void TWriter::WriteProperties(TPersistent* Instance, const String& Prefix, TFormObject& Out) {
    for (const TPropInfo* p : GetPropList(Instance)) {
        if (!p->IsStored(Instance)) continue;
        TFormValue v;
        if (p->IsOrdinal()) {
            const Int64 value = p->GetOrd(Instance);
            if (value == p->Default) continue;
            if (p->Kind == tkSet) {
                v.Kind = TFormValue::vaSet;
                v.Elements = SetElements(*p, value);
            } else if (p->Kind == tkEnumeration && value >= 0 && value < Int64(p->Names.size())) {
                v.Kind = TFormValue::vaIdent;
                v.Text = p->Names[std::size_t(value)];
            } else if (p->IntToIdent && p->IntToIdent(value, v.Text)) {
                v.Kind = TFormValue::vaIdent;
            } else {
                v.Kind = TFormValue::vaInteger;
                v.Integer = value;
            }
        } else if (p->Kind == tkFloat) {
            v.Kind = TFormValue::vaFloat;
            v.Float = p->GetFloat(Instance);
            if (v.Float == p->FloatDefault) continue;
        } else if (p->Kind == tkString || p->Kind == tkLString || p->Kind == tkWString) {
            v.Kind = TFormValue::vaString;
            v.Text = p->GetStr(Instance);
            if (v.Text.empty()) continue;
        } else if (p->Kind == tkClass && p->GetRef) {
            TComponent* ref = p->GetRef(Instance);
            if (!ref || ref->Name().empty()) continue;
            v.Kind = TFormValue::vaIdent;
            v.Text = ReferenceName(ref);
        } else if (p->Kind == tkClass) {
            TPersistent* sub = p->GetObject(Instance);
            auto* collection = dynamic_cast<TCollection*>(sub);
            if (!collection) {
                if (sub) WriteProperties(sub, Prefix + p->Name + ".", Out);
                continue;
            }
            if (collection->Count() == 0) continue;
            v.Kind = TFormValue::vaCollection;
            for (Integer i = 0; i < collection->Count(); ++i)
                WriteProperties(collection->Items(i), "", v.Collection.emplace_back());
        } else {
            continue;
        }
        Out.Properties.emplace_back(Prefix + p->Name, std::move(v));
    }
    TFormObject* savedOut = FOut;
    const String savedPrefix = FPrefix;
    const core::ScopeExit restore([&] {
        FOut = savedOut;
        FPrefix = savedPrefix;
    });
    FOut = &Out;
    FPrefix = Prefix;
    Instance->DefineProperties(this);
}

String TWriter::ReferenceName(TComponent* Component) const {
    TComponent* owner = Component->Owner();
    if (Component == FRoot || owner == FRoot || !owner || owner->Name().empty()) return Component->Name();
    return owner->Name() + "." + Component->Name();
}

void TWriter::DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) {
    if (!HasData || !WriteData || !FOut) return;
    FValue = TFormValue();
    FLists.clear();
    WriteData(this);
    FOut->Properties.emplace_back(FPrefix + Name, std::move(FValue));
}

void TWriter::DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                                   bool HasData) {
    if (!HasData || !WriteData || !FOut) return;
    TMemoryStream data;
    WriteData(&data);
    TFormValue v;
    v.Kind = TFormValue::vaBinary;
    v.Bytes.assign(data.Memory(), data.Memory() + data.Size());
    FOut->Properties.emplace_back(FPrefix + Name, std::move(v));
}

void TWriter::Put(TFormValue Value) {
    if (!FLists.empty())
        FLists.back()->Items.push_back(std::move(Value));
    else
        FValue = std::move(Value);
}

void TWriter::WriteInteger(Int64 Value) {
    TFormValue v;
    v.Kind = TFormValue::vaInteger;
    v.Integer = Value;
    Put(std::move(v));
}

void TWriter::WriteBoolean(bool Value) {
    WriteIdent(Value ? "True" : "False");
}

void TWriter::WriteFloat(double Value) {
    TFormValue v;
    v.Kind = TFormValue::vaFloat;
    v.Float = Value;
    Put(std::move(v));
}

void TWriter::WriteString(const String& Value) {
    TFormValue v;
    v.Kind = TFormValue::vaString;
    v.Text = Value;
    Put(std::move(v));
}

void TWriter::WriteIdent(const String& Value) {
    TFormValue v;
    v.Kind = TFormValue::vaIdent;
    v.Text = Value;
    Put(std::move(v));
}

void TWriter::WriteListBegin() {
    TFormValue v;
    v.Kind = TFormValue::vaList;
    Put(std::move(v));
    TFormValue& placed = FLists.empty() ? FValue : FLists.back()->Items.back();
    FLists.push_back(&placed);
}

void TWriter::WriteListEnd() {
    if (FLists.empty()) throw EWriteError("List end without a list");
    FLists.pop_back();
}

String ComponentToText(TComponent* Component) {
    TWriter writer;
    return FormObjectToText(writer.WriteComponent(Component));
}
