#include "report/rpUtils.h"

#include "platform/core/StrUtils.h"
#include "platform/core/TStrings.h"
#include "platform/data/TDataSet.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TScreen.h"
#include "report/TrpReport.h"

#include <vector>

namespace {

TComponent* FindForm(const String& Name) {
    for (Integer i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (AnsiSameText(form->Name(), Name)) return form;
    }
    return nullptr;
}

// Positions of the dots that separate the parts of a field reference.
std::vector<std::size_t> SeparatorDots(const String& s) {
    std::vector<std::size_t> dots;
    bool quoted = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '"') quoted = !quoted;
        if (s[i] == '.' && !quoted) dots.push_back(i);
    }
    return dots;
}

String Unquoted(const String& s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
    return s;
}

TComponent* ReportOwner() {
    return CurReport ? CurReport->Owner() : nullptr;
}

} // namespace

TComponent* rpFindComponent(TComponent* Owner, const String& Name) {
    const std::size_t dot = Name.find('.');
    if (dot != String::npos) {
        TComponent* form = FindForm(Name.substr(0, dot));
        return form ? form->FindComponent(Copy(Name.substr(dot + 1), 1, 255)) : nullptr;
    }
    return Owner ? Owner->FindComponent(Name) : nullptr;
}

TDataSet* rpGetDataSet(const String& Name) {
    return dynamic_cast<TDataSet*>(rpFindComponent(ReportOwner(), Name));
}

void rpGetDataSetAndField(const String& ComplexName, TDataSet*& DataSet, TField*& Field) {
    Field = nullptr;
    const std::vector<std::size_t> dots = SeparatorDots(ComplexName);
    String fieldName;
    if (dots.size() >= 2) {
        TComponent* form = FindForm(ComplexName.substr(0, dots[0]));
        const String dataSetName = ComplexName.substr(dots[0] + 1, dots[1] - dots[0] - 1);
        DataSet = form ? dynamic_cast<TDataSet*>(form->FindComponent(dataSetName)) : nullptr;
        fieldName = ComplexName.substr(dots[1] + 1);
    } else if (dots.size() == 1) {
        DataSet = dynamic_cast<TDataSet*>(rpFindComponent(ReportOwner(), ComplexName.substr(0, dots[0])));
        fieldName = ComplexName.substr(dots[0] + 1);
    } else {
        if (!DataSet) return;
        fieldName = ComplexName;
    }
    if (DataSet) Field = DataSet->FindField(Unquoted(fieldName));
}

void rpGetComponents(TComponent* Owner, const std::function<bool(TComponent*)>& IsOfClass, TStrings* List,
                     TComponent* Skip) {
    List->Clear();
    for (Integer f = 0; f < Screen->FormCount(); ++f) {
        TCustomForm* form = Screen->Forms(f);
        for (Integer i = 0; i < form->ComponentCount(); ++i) {
            TComponent* c = form->Components(i);
            if (c == Skip || !IsOfClass(c)) continue;
            List->Add(form == Owner ? c->Name() : form->Name() + "." + c->Name());
        }
    }
}

void rpEnableControls(std::initializer_list<TControl*> Controls, bool Enable) {
    for (TControl* control : Controls) {
        if (auto* label = dynamic_cast<TLabel*>(control))
            label->Font()->SetColor(Enable ? clWindowText : clGrayText);
        else if (dynamic_cast<TWinControl*>(control))
            control->SetColor(Enable ? clWindow : clBtnFace);
        else
            continue;
        control->SetEnabled(Enable);
    }
}

TControl* rpControlAtPos(TWinControl* Parent, TPoint Pos) {
    for (Integer i = Parent->ControlCount() - 1; i >= 0; --i) {
        TControl* child = Parent->Controls(i);
        if (!child->Visible() || !PtInRect(child->BoundsRect(), Pos)) continue;
        auto* container = dynamic_cast<TWinControl*>(child);
        if (container && container->ControlCount() > 0) {
            if (TControl* inner =
                    rpControlAtPos(container, TPoint(Pos.X - child->Left(), Pos.Y - child->Top())))
                return inner;
            continue;
        }
        return child;
    }
    return nullptr;
}

String rpGetWindowsVersion() {
    return "NT";
}
