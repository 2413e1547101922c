#pragma once
// A multi-line box of formatted text, edited by the user. Its text is rich
// text as the RTF reader and writer of the graphics layer understand it:
// runs with font, size, styles and colour, paragraphs with alignment, indents
// and tab stops. Positions count characters; each paragraph end counts as one.
// Formatting commands apply to the selection, or with none to what is typed
// next at the caret (characters) and to the caret's paragraph (paragraphs).
#include "platform/graphics/RtfReader.h"
#include "platform/ui/TWinControl.h"

#include <functional>
#include <string>
#include <string_view>

class TRichEdit : public TWinControl {
public:
    explicit TRichEdit(TComponent* AOwner);
    String ClassName() const override { return "TRichEdit"; }

    // Replaces the text with Bytes: RTF, or plain text in code page 1250 when
    // they do not begin with "{\rtf". Nothing is left to undo.
    void LoadRtf(std::string_view Bytes);
    // The whole text as RTF (code page 1250, other characters as "\uN").
    std::string SaveRtf() const;
    // The plain text, paragraphs joined by CR LF.
    String Text() const override;
    void SetText(const String& v) override;
    void Clear();

    Integer SelStart() const;
    // Moves the caret there (clamped to the text), selecting nothing.
    void SetSelStart(Integer v);
    Integer SelLength() const;
    // Selects from SelStart on (clamped to the text).
    void SetSelLength(Integer v);
    String SelText() const;
    // Replaces the selection with v in the format of its first character
    // (at the caret: the format typed text would take), as one undo step.
    void SetSelText(const String& v);
    void SelectAll();

    // Format of the selection's first character (at the caret: of what is typed next).
    rtf::CharFormat SelAttributes() const;
    // Calls Change on the format of every run the selection covers (at the
    // caret: on the format of what is typed next), as one undo step.
    void ChangeSelAttributes(const std::function<void(rtf::CharFormat&)>& Change);
    // Format of the paragraph that holds the caret.
    rtf::ParaFormat Paragraph() const;
    // Calls Change on each paragraph the selection touches, as one undo step.
    void ChangeParagraphs(const std::function<void(rtf::ParaFormat&)>& Change);

    // Paragraphs: their count, text (without the end) and first position.
    Integer ParagraphCount() const;
    String ParagraphText(Integer Index) const;
    Integer ParagraphStart(Integer Index) const;
    // The paragraph that holds Pos (clamped to the text).
    Integer ParagraphAt(Integer Pos) const;

    bool CanUndo() const;
    void Undo();
    bool ReadOnly() const;
    void SetReadOnly(bool v);

    // Every change of the text, typed or by the program.
    TNotifyEvent OnChange;
    // The caret moved or the selection changed.
    TNotifyEvent OnSelectionChange;

protected:
    void ColorChanged() override;
};
