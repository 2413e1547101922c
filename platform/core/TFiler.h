#pragma once
// Form-resource streaming: a component's published properties, the data its
// class defines itself (DefineProperties) and its child components, written to
// and read from the platform's text form of a form resource:
//
//   object Name: TClass
//     Width = 10
//     Font.Style = [fsBold]
//     Caption = 'Ügy'#13#10'lista'
//     Data = {
//       0A0B0C}
//     Columns = <
//       item
//         Title = 'Név'
//       end>
//     object Child: TChildClass
//     end
//   end
//
// Properties come from the class registry (TypInfo.h); child components are
// created by their registered class name.
#include "platform/core/TObject.h"

#include <functional>
#include <utility>
#include <vector>

class TComponent;
class TPersistent;
class TReader;
class TStream;
class TWriter;
struct TPropInfo;

using TReaderProc = std::function<void(TReader* Reader)>;
using TWriterProc = std::function<void(TWriter* Writer)>;
using TStreamProc = std::function<void(TStream* Stream)>;

struct TFormObject;

// One property value of the text form.
struct TFormValue {
    enum TKind { vaNull, vaInteger, vaFloat, vaString, vaIdent, vaSet, vaBinary, vaList, vaCollection };
    TKind Kind = vaNull;
    Int64 Integer = 0;
    double Float = 0;
    String Text;                   // vaString, vaIdent
    std::vector<String> Elements;  // vaSet
    std::vector<Byte> Bytes;       // vaBinary
    std::vector<TFormValue> Items; // vaList
    // vaCollection: one unnamed object per item, holding only its properties.
    std::vector<TFormObject> Collection;
};

// One object of the text form with its properties (dotted paths for
// sub-objects) and its children.
struct TFormObject {
    String Name;
    String ClassName;
    std::vector<std::pair<String, TFormValue>> Properties;
    std::vector<TFormObject> Children;
};

// The text of an object tree, and back. Reading raises EReadError
// "Line <n>: <what>" on text that is not a form object, or that nests objects
// and lists deeper than 256 levels.
String FormObjectToText(const TFormObject& Object);
TFormObject TextToFormObject(const String& Text);

class TFiler : public TObject {
public:
    String ClassName() const override { return "TFiler"; }

    // Declares a property its class keeps itself: ReadData reads its values
    // through the reader; WriteData writes them, and is called only when HasData.
    virtual void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData,
                                bool HasData) = 0;
    // The same for raw bytes: ReadData reads them from a stream holding exactly
    // the stored bytes, WriteData writes them into an empty stream.
    virtual void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                                      bool HasData) = 0;

    // The component at the top of what is being read or written.
    TComponent* Root() const { return FRoot; }

protected:
    TComponent* FRoot = nullptr;
};

class TWriter : public TFiler {
public:
    String ClassName() const override { return "TWriter"; }

    // Component's published properties (those stored and not at their default;
    // a collection with its items' properties, unless it is empty), its defined
    // properties and its children (GetChildren), as an object tree.
    TFormObject WriteComponent(TComponent* Component);

    void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData,
                        bool HasData) override;
    void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                              bool HasData) override;

    // Values of a defined property.
    void WriteInteger(Int64 Value);
    void WriteBoolean(bool Value);
    void WriteFloat(double Value);
    void WriteString(const String& Value);
    void WriteIdent(const String& Value);
    void WriteListBegin();
    void WriteListEnd();

private:
    void WriteObject(TComponent* Component, TFormObject& Out);
    void WriteProperties(TPersistent* Instance, const String& Prefix, TFormObject& Out);
    void Put(TFormValue Value);
    // A referenced component's name: plain when the root owns it, else
    // qualified by its owner's name.
    String ReferenceName(TComponent* Component) const;

    TFormObject* FOut = nullptr;
    String FPrefix;
    TFormValue FValue;
    std::vector<TFormValue*> FLists;
};

class TReader : public TFiler {
public:
    String ClassName() const override { return "TReader"; }

    // Reads Object's properties into the existing Component, then its children:
    // a collection's items are replaced by those read, made by the collection;
    // a child found among the owner's components by name is read into, any
    // other is created by its registered class name (EClassNotFound "Class
    // <name> not found"). Every component read hears Loaded at the end. A
    // property Component does not have raises EReadError "Error reading
    // <component>.<property>: Property <name> does not exist"; a value of the
    // wrong kind "Error reading <component>.<property>: Invalid property value".
    // References to other components are resolved after the whole tree is read,
    // among the root's components and those of its owners; a name found
    // nowhere raises that same "Invalid property value" error.
    void ReadComponent(TComponent* Component, const TFormObject& Object);

    void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData,
                        bool HasData) override;
    void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                              bool HasData) override;

    // Values of a defined property; a value of another kind raises
    // EReadError "Invalid property value".
    Int64 ReadInteger();
    bool ReadBoolean();
    double ReadFloat();
    String ReadString();
    String ReadIdent();
    void ReadListBegin();
    bool EndOfList() const;
    void ReadListEnd();

    // The component whose child is being read; null for the root.
    TComponent* Parent() const { return FParent; }

private:
    void ReadObject(TComponent* Component, const TFormObject& Object, std::vector<TComponent*>& Read);
    void ReadProperty(TPersistent* Instance, const String& Path, const TFormValue& Value);
    const TFormValue& Next();

    struct Fixup {
        TPersistent* Instance;
        const TPropInfo* Prop;
        String Name;
        String Path; // "<component>.<property>" for the message
    };
    void ResolveFixups();
    TComponent* FindReference(const String& Name) const;

    TComponent* FParent = nullptr;
    std::vector<Fixup> FFixups;
    String FPropName;
    bool FHandled = false;
    const TFormValue* FValue = nullptr;
    bool FValueTaken = false;
    struct ListCursor {
        const TFormValue* List;
        std::size_t Index;
    };
    std::vector<ListCursor> FLists;
};

// The text form of Component (and its children), and reading such a text back
// into an existing component.
String ComponentToText(TComponent* Component);
void TextToComponent(const String& Text, TComponent* Component);
