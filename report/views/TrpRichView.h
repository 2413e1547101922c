#pragma once
// The rich-text view: an add-in object (class name "TrpRichView") holding
// formatted text as RTF. While a report is built its text is expanded in one
// shared document (bracketed expressions replaced keeping their formatting),
// measured and, across pages, printed part by part; drawing lays the text out
// at the view's unscaled width and scales it to the target.
#include "platform/core/TComponent.h"
#include "report/views/TrpView.h"

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class TRichDocument;

class TrpRichView : public TrpStretcheable {
public:
    TrpRichView();
    ~TrpRichView() override;
    String ClassName() const override { return "TrpRichView"; }

    // The base fields, then the RTF.
    void Assign(TrpView* View) override;
    void Draw(TCanvas* ACanvas) override;
    // Writes the record with the expanded text of the shared document; in
    // drPart only the part that fits Height (at least one line).
    void Print(TStream* Stream) override;
    // The common record, then byte 1 when there is text (else 0), int32 end
    // position (checked as for pictures) and the RTF. In print mode the writer
    // takes the shared document's text.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    // The blob's bytes become the rich text.
    void GetBlob(TField* Field) override;

    // Height in pixels the expanded text needs (8 for no text, 0 when invisible).
    Integer CalcHeight() override;
    Integer MinHeight() override { return 8; }
    // Height of the text not yet printed.
    Integer RemainHeight() override;

    // Runs the script (when asked), the enter-rectangle notification, copies
    // the rich text into the shared document and expands it.
    void Prepare(bool RunScript);
    // Smallest height from CharFrom in which the shared text fits; 8 below 2.
    Integer DoCalcHeight();
    // Measures (the shared document) or draws (the view's own text) from
    // CharFrom; CharTo becomes the first position not taken.
    void ShowRich(bool Render);

    Integer StartChar = 0;
    Integer CharTo = 0;
    Integer CharFrom = 0;
    // The rich text in RTF, bytes as stored.
    std::string RichText;

private:
    // The view's own text as a document, read again when RichText changes,
    // with the expressions its expansion asks for.
    TRichDocument& Own();
    std::unique_ptr<TRichDocument> FOwn;
    std::string FOwnText;
    std::vector<String> FExpressions;
    // While Print writes the record: the characters of the shared document it takes.
    std::optional<std::pair<Integer, Integer>> FPart;
};

// Placed on a form, it stands for the rich-text object in the program, which
// templates with formatted text need; it has no behaviour of its own.
class TrpRichObject : public TComponent {
public:
    using TComponent::TComponent;
    String ClassName() const override { return "TrpRichObject"; }
};

// The document in which rich text is expanded and measured during a build.
TRichDocument& rpRichShared();
// Registers the rich-text view as an add-in object.
void rpRegisterRichView();
