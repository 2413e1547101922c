#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TCollection.h"
#include "platform/core/TComponent.h"
#include "platform/core/TFiler.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TypInfo.h"

namespace {

constexpr const char* InvalidValue = "Invalid property value";

// Index of Ident among Names (case-insensitive); -1 when absent.
Int64 IdentIndex(const std::vector<String>& Names, const String& Ident) {
    for (std::size_t i = 0; i < Names.size(); ++i)
        if (SameText(Names[i], Ident)) return Int64(i);
    return -1;
}

void SetProperty(TObject* Instance, const TPropInfo& p, const TFormValue& v) {
    switch (p.Kind) {
    case tkInteger:
    case tkChar:
    case tkInt64: {
        Int64 value = v.Integer;
        if (v.Kind == TFormValue::vaIdent) {
            if (!p.IdentToInt || !p.IdentToInt(v.Text, value)) throw EReadError(InvalidValue);
        } else if (v.Kind != TFormValue::vaInteger) {
            throw EReadError(InvalidValue);
        }
        p.SetOrd(Instance, value);
        return;
    }
    case tkEnumeration: {
        Int64 value = v.Kind == TFormValue::vaInteger ? v.Integer : -1;
        if (v.Kind == TFormValue::vaIdent) value = IdentIndex(p.Names, v.Text);
        if (value < 0) throw EReadError(InvalidValue);
        p.SetOrd(Instance, value);
        return;
    }
    case tkSet: {
        if (v.Kind != TFormValue::vaSet) throw EReadError(InvalidValue);
        std::uint64_t bits = 0;
        for (const String& e : v.Elements) {
            const Int64 i = IdentIndex(p.Names, e);
            if (i < 0 || i >= 64) throw EReadError(InvalidValue);
            bits |= std::uint64_t(1) << i;
        }
        p.SetOrd(Instance, Int64(bits));
        return;
    }
    case tkFloat:
        if (v.Kind == TFormValue::vaFloat)
            p.SetFloat(Instance, v.Float);
        else if (v.Kind == TFormValue::vaInteger)
            p.SetFloat(Instance, double(v.Integer));
        else
            throw EReadError(InvalidValue);
        return;
    case tkString:
    case tkLString:
    case tkWString:
        if (v.Kind != TFormValue::vaString) throw EReadError(InvalidValue);
        p.SetStr(Instance, v.Text);
        return;
    default:
        throw EReadError(InvalidValue);
    }
}

} // namespace

void TReader::ReadComponent(TComponent* Component, const TFormObject& Object) {
    FRoot = Component;
    FParent = nullptr;
    FFixups.clear();
    std::vector<TComponent*> read;
    {
        // What was read stays; nothing is left marked as loading.
        const core::ScopeFail unmark([&] {
            for (TComponent* c : read)
                c->SetComponentState(c->ComponentState() - TComponentState{csLoading, csReading});
        });
        ReadObject(Component, Object, read);
        ResolveFixups();
    }
    for (TComponent* c : read)
        c->Loaded();
}

void TReader::ReadObject(TComponent* Component, const TFormObject& Object, std::vector<TComponent*>& Read) {
    Component->SetComponentState(Component->ComponentState() + TComponentState{csLoading, csReading});
    Read.push_back(Component);
    for (const auto& [path, value] : Object.Properties) {
        const String owner = Component->Name().empty() ? Component->ClassName() : Component->Name();
        const std::size_t fixups = FFixups.size();
        try {
            ReadProperty(Component, path, value);
        } catch (const EReadError& e) {
            throw EReadError(Format("Error reading %s.%s: %s", {owner, path, e.Message()}));
        }
        // A collection's items may each have left references behind.
        for (std::size_t i = fixups; i < FFixups.size(); ++i)
            FFixups[i].Path = owner + "." + path;
    }
    Component->SetComponentState(Component->ComponentState() - TComponentState{csReading});
    TComponent* const savedParent = FParent;
    const core::ScopeExit restoreParent([&] { FParent = savedParent; });
    for (const TFormObject& child : Object.Children) {
        TComponent* owner = Component->GetChildOwner();
        if (!owner) owner = FRoot;
        TComponent* instance = child.Name.empty() ? nullptr : owner->FindComponent(child.Name);
        if (instance && !SameText(instance->ClassName(), child.ClassName)) instance = nullptr;
        if (!instance) {
            TPersistent* made = CreateRegisteredClass(child.ClassName, owner);
            instance = dynamic_cast<TComponent*>(made);
            if (!instance) {
                delete made;
                throw EClassNotFound(Format("Class %s not found", {child.ClassName}));
            }
            if (!child.Name.empty()) instance->SetName(child.Name);
        }
        FParent = Component;
        ReadObject(instance, child, Read);
        instance->SetParentComponent(Component->GetChildParent());
    }
}

void TReader::ReadProperty(TPersistent* Instance, const String& Path, const TFormValue& Value) {
    TPersistent* instance = Instance;
    String rest = Path;
    for (auto dot = rest.find('.'); dot != String::npos; dot = rest.find('.')) {
        const String part = rest.substr(0, dot);
        const TPropInfo* p = GetPropInfo(instance, part);
        TPersistent* sub = p && p->Kind == tkClass ? p->GetObject(instance) : nullptr;
        if (!sub) throw EReadError(Format("Property %s does not exist", {part}));
        instance = sub;
        rest = rest.substr(dot + 1);
    }
    FPropName = rest;
    FHandled = false;
    FValue = &Value;
    FValueTaken = false;
    FLists.clear();
    {
        // The value lives only for this call; no later read may reach it.
        const core::ScopeExit forget([this] { FValue = nullptr; });
        instance->DefineProperties(this);
    }
    if (FHandled) return;
    const TPropInfo* p = GetPropInfo(instance, rest);
    if (!p) throw EReadError(Format("Property %s does not exist", {rest}));
    if (p->Kind == tkClass && p->SetRef) {
        if (Value.Kind != TFormValue::vaIdent) throw EReadError(InvalidValue);
        FFixups.push_back({instance, p, Value.Text, ""});
        return;
    }
    auto* collection =
        p->Kind == tkClass && p->GetObject ? dynamic_cast<TCollection*>(p->GetObject(instance)) : nullptr;
    if (collection && Value.Kind == TFormValue::vaCollection) {
        collection->BeginUpdate();
        const core::ScopeExit endUpdate([collection] { collection->EndUpdate(); });
        collection->Clear();
        for (const TFormObject& item : Value.Collection) {
            TCollectionItem* made = collection->Add();
            for (const auto& [path, value] : item.Properties)
                ReadProperty(made, path, value);
        }
        return;
    }
    SetProperty(instance, *p, Value);
}

TComponent* TReader::FindReference(const String& Name) const {
    const auto dot = Name.find('.');
    for (TComponent* scope = FRoot; scope; scope = scope->Owner()) {
        if (dot == String::npos) {
            if (SameText(scope->Name(), Name)) return scope;
            if (TComponent* found = scope->FindComponent(Name)) return found;
            continue;
        }
        const String owner = Name.substr(0, dot);
        TComponent* holder = SameText(scope->Name(), owner) ? scope : scope->FindComponent(owner);
        if (TComponent* found = holder ? holder->FindComponent(Name.substr(dot + 1)) : nullptr) return found;
    }
    return nullptr;
}

void TReader::ResolveFixups() {
    std::vector<Fixup> fixups;
    fixups.swap(FFixups);
    for (const Fixup& f : fixups) {
        TComponent* target = FindReference(f.Name);
        if (!target) throw EReadError(Format("Error reading %s: %s", {f.Path, String(InvalidValue)}));
        f.Prop->SetRef(f.Instance, target);
    }
}

void TReader::DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) {
    if (FHandled || !FValue || !ReadData || !SameText(Name, FPropName)) return;
    FHandled = true;
    ReadData(this);
}

void TReader::DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                                   bool HasData) {
    if (FHandled || !FValue || !ReadData || !SameText(Name, FPropName)) return;
    if (FValue->Kind != TFormValue::vaBinary) throw EReadError(InvalidValue);
    FHandled = true;
    TMemoryStream data;
    if (!FValue->Bytes.empty()) data.WriteBuffer(FValue->Bytes.data(), Integer(FValue->Bytes.size()));
    data.SetPosition(0);
    ReadData(&data);
}

const TFormValue& TReader::Next() {
    if (!FLists.empty()) {
        ListCursor& cursor = FLists.back();
        if (cursor.Index >= cursor.List->Items.size()) throw EReadError(InvalidValue);
        return cursor.List->Items[cursor.Index++];
    }
    if (!FValue || FValueTaken) throw EReadError(InvalidValue);
    FValueTaken = true;
    return *FValue;
}

Int64 TReader::ReadInteger() {
    const TFormValue& v = Next();
    if (v.Kind != TFormValue::vaInteger) throw EReadError(InvalidValue);
    return v.Integer;
}

bool TReader::ReadBoolean() {
    const TFormValue& v = Next();
    if (v.Kind == TFormValue::vaIdent && SameText(v.Text, "True")) return true;
    if (v.Kind == TFormValue::vaIdent && SameText(v.Text, "False")) return false;
    throw EReadError(InvalidValue);
}

double TReader::ReadFloat() {
    const TFormValue& v = Next();
    if (v.Kind == TFormValue::vaFloat) return v.Float;
    if (v.Kind == TFormValue::vaInteger) return double(v.Integer);
    throw EReadError(InvalidValue);
}

String TReader::ReadString() {
    const TFormValue& v = Next();
    if (v.Kind != TFormValue::vaString) throw EReadError(InvalidValue);
    return v.Text;
}

String TReader::ReadIdent() {
    const TFormValue& v = Next();
    if (v.Kind != TFormValue::vaIdent) throw EReadError(InvalidValue);
    return v.Text;
}

void TReader::ReadListBegin() {
    const TFormValue& v = Next();
    if (v.Kind != TFormValue::vaList) throw EReadError(InvalidValue);
    FLists.push_back({&v, 0});
}

bool TReader::EndOfList() const {
    return FLists.empty() || FLists.back().Index >= FLists.back().List->Items.size();
}

void TReader::ReadListEnd() {
    if (FLists.empty() || !EndOfList()) throw EReadError(InvalidValue);
    FLists.pop_back();
}

void TextToComponent(const String& Text, TComponent* Component) {
    const TFormObject object = TextToFormObject(Text);
    TReader reader;
    reader.ReadComponent(Component, object);
}
