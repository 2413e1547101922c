#include "platform/core/TypInfo.h"

#include "platform/core/StrUtils.h"

#include <charconv>
#include <cstdlib>

namespace {

std::vector<TClassProperties>& Registry() {
    static std::vector<TClassProperties> classes;
    return classes;
}

const TClassProperties* FindClass(const String& Name) {
    for (const TClassProperties& c : Registry())
        if (SameText(c.ClassName, Name)) return &c;
    return nullptr;
}

Integer Depth(const TClassProperties* c) {
    Integer depth = 0;
    while (c && !c->ParentName.empty() && depth < 64) {
        c = FindClass(c->ParentName);
        ++depth;
    }
    return depth;
}

// The deepest registered class Instance belongs to.
const TClassProperties* ClassOf(const TObject* Instance) {
    if (!Instance) return nullptr;
    if (const TClassProperties* exact = FindClass(Instance->ClassName()); exact && exact->Is(Instance))
        return exact;
    const TClassProperties* best = nullptr;
    Integer bestDepth = -1;
    for (const TClassProperties& c : Registry())
        if (c.Is(Instance) && Depth(&c) > bestDepth) {
            best = &c;
            bestDepth = Depth(&c);
        }
    return best;
}

} // namespace

void RegisterClassProperties(TClassProperties Info) {
    for (TClassProperties& c : Registry())
        if (SameText(c.ClassName, Info.ClassName)) {
            c = std::move(Info);
            return;
        }
    Registry().push_back(std::move(Info));
}

std::vector<const TPropInfo*> GetPropList(const TObject* Instance) {
    std::vector<const TClassProperties*> chain;
    for (const TClassProperties* c = ClassOf(Instance); c && chain.size() < 64;
         c = c->ParentName.empty() ? nullptr : FindClass(c->ParentName))
        chain.push_back(c);
    // A class that registers a property again redeclares it: the ancestor's
    // entry gives way and the property takes the descendant's place.
    std::vector<const TPropInfo*> out;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        for (const TPropInfo& p : (*it)->Properties) {
            std::erase_if(out, [&](const TPropInfo* q) { return SameText(q->Name, p.Name); });
            out.push_back(&p);
        }
    return out;
}

const TPropInfo* GetPropInfo(const TObject* Instance, const String& Name) {
    for (const TPropInfo* p : GetPropList(Instance))
        if (SameText(p->Name, Name)) return p;
    return nullptr;
}

TPersistent* CreateRegisteredClass(const String& ClassName, TComponent* Owner) {
    const TClassProperties* c = FindClass(ClassName);
    return c && c->Create ? c->Create(Owner) : nullptr;
}

bool IsRegisteredClass(const String& ClassName) {
    return FindClass(ClassName) != nullptr;
}

double typinfo::ShortestDouble(float V) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text - 1, V).ptr;
    *end = 0;
    return std::strtod(text, nullptr);
}
