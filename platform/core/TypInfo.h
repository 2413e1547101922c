#pragma once
// The published properties of a class, registered once per class, for the
// few places that walk them by name: form-resource text streaming and the
// settings store's object reading and writing. A class lists its own
// properties in declaration order and names its parent; an object's list is
// its ancestors' properties first.
#include "platform/core/TObject.h"
#include "platform/core/TSet.h"

#include <functional>
#include <type_traits>
#include <vector>

class TComponent;
class TPersistent;

enum TTypeKind {
    tkUnknown,
    tkInteger,
    tkChar,
    tkEnumeration,
    tkFloat,
    tkString,
    tkSet,
    tkClass,
    tkMethod,
    tkWChar,
    tkLString,
    tkWString,
    tkVariant,
    tkInt64
};

// An ordinal property without a default value is always stored.
constexpr Int64 NoDefault = Int64(0x80000000);

struct TPropInfo {
    String Name;
    TTypeKind Kind = tkUnknown;
    // Identifiers of an enumeration's values or of a set's elements, in order.
    std::vector<String> Names;
    Int64 Default = NoDefault;
    std::function<Int64(TObject*)> GetOrd;
    std::function<void(TObject*, Int64)> SetOrd;
    std::function<double(TObject*)> GetFloat;
    std::function<void(TObject*, double)> SetFloat;
    std::function<String(TObject*)> GetStr;
    std::function<void(TObject*, const String&)> SetStr;
    // tkClass: the owned sub-object whose properties are streamed in its place.
    std::function<TPersistent*(TObject*)> GetObject;
    // tkClass: a reference to another component, streamed by its name and
    // resolved once the whole tree has been read.
    std::function<TComponent*(TObject*)> GetRef;
    std::function<void(TObject*, TComponent*)> SetRef;
    // tkInteger values that have identifiers (colours): written as the
    // identifier, read from either form.
    std::function<bool(Int64, String&)> IntToIdent;
    std::function<bool(const String&, Int64&)> IdentToInt;
    // tkFloat: not written while equal to it.
    double FloatDefault = 0;
    // Empty: always stored.
    std::function<bool(TObject*)> Stored;

    bool IsStored(TObject* Instance) const { return !Stored || Stored(Instance); }
    bool IsOrdinal() const {
        return Kind == tkInteger || Kind == tkChar || Kind == tkEnumeration || Kind == tkSet;
    }
};

struct TClassProperties {
    String ClassName;
    String ParentName; // "" for a class whose ancestors publish nothing
    std::function<bool(const TObject*)> Is;
    // Creates an instance for the stream reader (owner may be null); empty when
    // the class cannot be created by name.
    std::function<TPersistent*(TComponent* Owner)> Create;
    std::vector<TPropInfo> Properties;
};

// Registers (or replaces) a class's properties.
void RegisterClassProperties(TClassProperties Info);
// The properties of Instance's most derived registered class, ancestors first;
// a property a descendant registers again stands at the descendant's place.
std::vector<const TPropInfo*> GetPropList(const TObject* Instance);
// The property of that name (case-insensitive); null when none.
const TPropInfo* GetPropInfo(const TObject* Instance, const String& Name);
// A new instance of the registered class of that name; null when none can be made.
TPersistent* CreateRegisteredClass(const String& ClassName, TComponent* Owner);
bool IsRegisteredClass(const String& ClassName);

// Registers T under Name with Parent's properties before its own. T is created
// by name when it has a constructor taking its owner.
template <class T>
void RegisterClass(const String& Name, const String& Parent, std::vector<TPropInfo> Properties) {
    TClassProperties info;
    info.ClassName = Name;
    info.ParentName = Parent;
    info.Is = [](const TObject* o) { return dynamic_cast<const T*>(o) != nullptr; };
    if constexpr (std::is_constructible_v<T, TComponent*>)
        info.Create = [](TComponent* Owner) -> TPersistent* { return new T(Owner); };
    else if constexpr (std::is_default_constructible_v<T>)
        info.Create = [](TComponent*) -> TPersistent* { return new T(); };
    info.Properties = std::move(Properties);
    RegisterClassProperties(std::move(info));
}

namespace typinfo {

template <class V> Int64 ToOrd(const V& v) {
    if constexpr (requires { v.Bits(); })
        return Int64(v.Bits());
    else
        return Int64(v);
}

template <class V> V FromOrd(Int64 v) {
    if constexpr (std::is_same_v<V, bool>)
        return v != 0;
    else if constexpr (requires { V::FromBits(0); })
        return V::FromBits(std::uint64_t(v));
    else
        return static_cast<V>(v);
}

// The double nearest the shortest decimal that reads back as V: a single's
// 0.3 is written as 0.3, not as its binary expansion.
double ShortestDouble(float V);

} // namespace typinfo

// An ordinal property (integer, Boolean, enumeration, set) through a getter and
// a setter: member functions or callables taking T*; Names for enumerations
// and sets.
template <class T, class G, class S>
TPropInfo OrdProp(const String& Name, TTypeKind Kind, G Get, S Set, Int64 Default = NoDefault,
                  std::vector<String> Names = {}) {
    using V = std::remove_cvref_t<std::invoke_result_t<G, T*>>;
    TPropInfo p;
    p.Name = Name;
    p.Kind = Kind;
    p.Default = Default;
    p.Names = std::move(Names);
    p.GetOrd = [Get](TObject* o) { return typinfo::ToOrd(std::invoke(Get, static_cast<T*>(o))); };
    p.SetOrd = [Set](TObject* o, Int64 v) { std::invoke(Set, static_cast<T*>(o), typinfo::FromOrd<V>(v)); };
    return p;
}

template <class T, class G, class S>
TPropInfo BoolProp(const String& Name, G Get, S Set, Int64 Default = NoDefault) {
    return OrdProp<T>(Name, tkEnumeration, Get, Set, Default, {"False", "True"});
}

template <class T, class G, class S>
TPropInfo IntProp(const String& Name, G Get, S Set, Int64 Default = NoDefault) {
    return OrdProp<T>(Name, tkInteger, Get, Set, Default);
}

template <class T, class G, class S>
TPropInfo EnumProp(const String& Name, G Get, S Set, Int64 Default, std::vector<String> Names) {
    return OrdProp<T>(Name, tkEnumeration, Get, Set, Default, std::move(Names));
}

template <class T, class G, class S>
TPropInfo SetProp(const String& Name, G Get, S Set, Int64 Default, std::vector<String> Names) {
    return OrdProp<T>(Name, tkSet, Get, Set, Default, std::move(Names));
}

// A reference to another component (TControl*, an image list), stored by name
// while set.
template <class T, class G, class S> TPropInfo RefProp(const String& Name, G Get, S Set) {
    using V = std::remove_pointer_t<std::remove_cvref_t<std::invoke_result_t<G, T*>>>;
    TPropInfo p;
    p.Name = Name;
    p.Kind = tkClass;
    p.GetRef = [Get](TObject* o) -> TComponent* { return std::invoke(Get, static_cast<T*>(o)); };
    p.SetRef = [Set](TObject* o, TComponent* c) {
        std::invoke(Set, static_cast<T*>(o), dynamic_cast<V*>(c));
    };
    return p;
}

// The same property with a rule: written only while Stored(instance) holds.
inline TPropInfo StoredWhen(TPropInfo p, std::function<bool(TObject*)> Stored) {
    p.Stored = std::move(Stored);
    return p;
}

template <class T, class G, class S> TPropInfo StrProp(const String& Name, G Get, S Set) {
    TPropInfo p;
    p.Name = Name;
    p.Kind = tkLString;
    p.GetStr = [Get](TObject* o) { return String(std::invoke(Get, static_cast<T*>(o))); };
    p.SetStr = [Set](TObject* o, const String& v) { std::invoke(Set, static_cast<T*>(o), v); };
    return p;
}

template <class T, class G, class S>
TPropInfo FloatProp(const String& Name, G Get, S Set, double Default = 0) {
    using V = std::remove_cvref_t<std::invoke_result_t<G, T*>>;
    TPropInfo p;
    p.Name = Name;
    p.Kind = tkFloat;
    p.FloatDefault = Default;
    p.GetFloat = [Get](TObject* o) {
        const V v = std::invoke(Get, static_cast<T*>(o));
        if constexpr (std::is_same_v<V, float>) return typinfo::ShortestDouble(v);
        return double(v);
    };
    p.SetFloat = [Set](TObject* o, double v) { std::invoke(Set, static_cast<T*>(o), V(v)); };
    return p;
}

// An event: listed among the published properties, so that walkers of the
// list know it is there, and never streamed (handlers are bound in code).
inline TPropInfo EventProp(const String& Name) {
    TPropInfo p;
    p.Name = Name;
    p.Kind = tkMethod;
    return p;
}

// A sub-object owned by the instance (a font, a style), streamed as Name.Property.
template <class T, class G> TPropInfo ObjectProp(const String& Name, G Get) {
    TPropInfo p;
    p.Name = Name;
    p.Kind = tkClass;
    p.GetObject = [Get](TObject* o) -> TPersistent* { return std::invoke(Get, static_cast<T*>(o)); };
    return p;
}
