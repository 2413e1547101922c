#include "sqlite/TSqlite3Output.h"

#include "platform/core/DateTime.h"
#include "platform/core/TStringList.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "sqlite/SqliteError.h"

#include <cctype>

namespace {

// Texts inside markup: a "<" or "&" in a value must not open a tag or an entity.
String Escape(const String& text) {
    String out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::vector<String> FieldNames(TDataSet* DataSet) {
    std::vector<String> names;
    for (Integer i = 0; i < DataSet->FieldDefs()->Count(); ++i)
        names.push_back(DataSet->FieldDefs()->Items(i)->Name());
    return names;
}

} // namespace

TSqlite3Output::TSqlite3Output(TComponent* AOwner)
    : TComponent(AOwner), FOutput(std::make_unique<TStringList>()) {}

TSqlite3Output::~TSqlite3Output() = default;

TStrings* TSqlite3Output::Output() const {
    return FOutput.get();
}

void TSqlite3Output::SetOutput(TStrings* Value) {
    FOutput->Assign(Value);
}

void TSqlite3Output::SetDataSource(TDataSource* Value) {
    if (Value == FDataSource) return;
    if (FDataSource) FDataSource->RemoveFreeNotification(this);
    FDataSource = Value;
    if (FDataSource) FDataSource->FreeNotification(this);
}

void TSqlite3Output::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent == FDataSource) FDataSource = nullptr;
    TComponent::Notification(AComponent, Operation);
}

void TSqlite3Output::SetFActive(bool Value) {
    FActive = Value;
    if (!Value) return;
    if (!FDataSource) throw SqliteError("Missing Datasource");
    if (!FDataSource->DataSet()) throw SqliteError("Missing Datasource.Dataset");
    Execute(FDataSource->DataSet());
}

void TSqlite3Output::Execute(TDataSet* DataSet) {
    if (!DataSet) return;
    if (!DataSet->Active()) DataSet->Open();
    FOutput->Clear();
    const std::vector<String> names = FieldNames(DataSet);
    const char form = FOutputType.empty()
                          ? ' '
                          : static_cast<char>(std::toupper(static_cast<unsigned char>(FOutputType[0])));
    const String dq = "\"";

    auto text = [&](const String& name) { return DataSet->FieldByName(name)->AsString(); };

    if (form == 'X') {
        FOutput->Add("<table id=" + dq + Escape(DataSet->Name()) + dq + " CreationDate=" + dq +
                     DateToStr(Date()) + dq + ">\n");
    } else if (form == 'H') {
        String head = "<html>\n<head>\n<title>Table " + Escape(DataSet->Name()) +
                      "</title>\n<meta name=" + dq + "generator" + dq + " content=" + dq + "SqliteData" + dq +
                      ">\n<table class=" + dq + Escape(FTableClass) + dq + "cellpadding=" + dq + "0" + dq +
                      " cellspacing=" + dq + "0" + dq + ">\n<tr>\n";
        for (const String& name : names)
            head += "<td>" + Escape(name) + "</td>";
        FOutput->Add(head);
    } else {
        String head;
        for (std::size_t i = 0; i < names.size(); ++i)
            head += (i > 0 ? FFieldSeparator : String()) + names[i];
        FOutput->Add(head);
    }

    DataSet->First();
    while (!DataSet->Eof()) {
        String entry;
        if (form == 'X') {
            entry = "   <record>\n";
            for (const String& name : names)
                entry += "      <" + name + ">" + Escape(text(name)) + "</" + name + ">\n";
            entry += "   </record>\n";
        } else if (form == 'H') {
            entry = "<tr>\n";
            for (const String& name : names)
                entry += "<td>" + Escape(text(name)) + "</td>";
            entry += "</tr>\n";
        } else {
            for (std::size_t i = 0; i < names.size(); ++i)
                entry += (i > 0 ? FFieldSeparator : String()) + text(names[i]);
        }
        FOutput->Add(entry);
        DataSet->Next();
    }

    if (form == 'X')
        FOutput->Add("   </table>\n");
    else if (form == 'H')
        FOutput->Add("</table>\n</body>\n</html>\n");
    else
        FOutput->Add(String());
}
