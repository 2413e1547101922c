#pragma once
// The grid setup dialog component: Execute opens the setup form over DBGrid
// and, on OK, rebuilds the grid's columns from the checked lines in list
// order. AllowedFields (empty: every field) limits the lines to those names.
#include "platform/core/TComponent.h"

#include <memory>

class TCustomDBGrid;
class TStrings;
class TfrmGridSetup;

class TVgSetDBGridDialog : public TComponent {
public:
    explicit TVgSetDBGridDialog(TComponent* AOwner);
    ~TVgSetDBGridDialog() override;
    String ClassName() const override { return "TVgSetDBGridDialog"; }

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value) { FCaption = Value; }
    // The dialog forgets a grid that is freed.
    TCustomDBGrid* DBGrid() const { return FDBGrid; }
    void SetDBGrid(TCustomDBGrid* Value);
    TStrings* AllowedFields() const { return FAllowedFields.get(); }
    // Copies the strings.
    void SetAllowedFields(TStrings* Value);

    // True when the user pressed OK and the grid was updated. A grid without a
    // dataset shows an empty list, and OK then leaves its columns alone.
    bool Execute();
    // The form while Execute shows it (OnShow handlers may reach it); null otherwise.
    TfrmGridSetup* Form() const { return FForm; }

    void Notification(TComponent* AComponent, TOperation Operation) override;

    TNotifyEvent OnBeforeExecute;
    TNotifyEvent OnAfterExecute;
    TNotifyEvent OnShow;

private:
    String FCaption = "Grid setup";
    TCustomDBGrid* FDBGrid = nullptr;
    std::unique_ptr<TStrings> FAllowedFields;
    TfrmGridSetup* FForm = nullptr;
};
