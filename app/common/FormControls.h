#pragma once
// Building blocks of the forms: a fixed, centred dialog frame, the text boxes, memos,
// check boxes, radio buttons, date pickers and push buttons placed on it, and data
// sources, each named as the form names it. Labels come from AreaLayout's MakeLabel.
#include "platform/core/Types.h"

class TBitBtn;
class TCheckBox;
class TComboBox;
class TComponent;
class TCustomForm;
class TDBText;
class TDataSet;
class TDataSource;
class TDateTimePicker;
class TEdit;
class TLabel;
class TMemo;
class TPanel;
class TRadioButton;
class TWinControl;

namespace app {

inline constexpr Integer EditHeight = 21;
inline constexpr Integer ButtonHeight = 25;

// A dialog with a fixed border, centred on the screen, of the given client size.
void SetUpDialog(TCustomForm* Form, const String& Name, const String& Caption, Integer ClientWidth,
                 Integer ClientHeight);

// A data source named Name over DataSet.
TDataSource* MakeDataSource(TComponent* Owner, const String& Name, TDataSet* DataSet);
// A drop-down list: only its items can be chosen.
TComboBox* MakeChoiceCombo(TComponent* Owner, TWinControl* Parent, const String& Name, Integer Left,
                           Integer Top, Integer Width);
TEdit* MakeEdit(TComponent* Owner, TWinControl* Parent, const String& Name, Integer Left, Integer Top,
                Integer Width);
// A word-wrapping memo with a vertical scroll bar.
TMemo* MakeMemo(TComponent* Owner, TWinControl* Parent, const String& Name, Integer Left, Integer Top,
                Integer Width, Integer Height);
TCheckBox* MakeCheckBox(TComponent* Owner, TWinControl* Parent, const String& Name, const String& Caption,
                        Integer Left, Integer Top, Integer Width, bool Checked = false);
TRadioButton* MakeRadioButton(TComponent* Owner, TWinControl* Parent, const String& Name,
                              const String& Caption, Integer Left, Integer Top, Integer Width,
                              bool Checked = false);
// A date-only picker in the short date format.
TDateTimePicker* MakeDatePicker(TComponent* Owner, TWinControl* Parent, const String& Name, Integer Left,
                                Integer Top, Integer Width);
TBitBtn* MakeBitBtn(TComponent* Owner, TWinControl* Parent, const String& Name, const String& Caption,
                    Integer Left, Integer Top, Integer Width = 90);
// A house-blue strip along the top of Parent, Height high, whose labels show in white
// bold Arial.
TPanel* MakeHeaderPanel(TComponent* Owner, TWinControl* Parent, const String& Name, Integer Height);

// A transparent text showing Field of Source, one line of 17 pixels unless told.
TDBText* MakeDBText(TComponent* Owner, TWinControl* Parent, const String& Name, TDataSource* Source,
                    const String& Field, Integer Left, Integer Top, Integer Width, Integer Height = 17);

// A label right-aligned so that its text ends at Right, vertically beside a box at Top.
TLabel* MakeFieldLabel(TComponent* Owner, TWinControl* Parent, const String& Name, const String& Caption,
                       Integer Right, Integer Top);

} // namespace app
