#pragma once
// A data-aware button bar that moves through a dataset's records, shows the
// current record number in an edit box where a number can be typed and
// Enter jumps there, shows the record count, and appends, inserts and
// deletes records. Its children are always rebuilt from VisibleButtons.
#include "platform/core/TSet.h"
#include "platform/data/TDataLink.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TSpeedButton.h"

#include <functional>
#include <memory>

class TDataSource;
class TEdit;
class TTimer;

enum TVgANavigateBtn {
    sbaFirst,
    sbaPrior,
    sbaRecNo,
    sbaRecordCount,
    sbaNext,
    sbaLast,
    sbaNew,
    sbaInsert,
    sbaDelete
};
using TVgAButtonSet = TSet<TVgANavigateBtn>;
enum TVgANavButtonStyleItem { nsAllowTimer, nsFocusRect };
using TVgANavButtonStyle = TSet<TVgANavButtonStyleItem>;
enum TVgANavGlyph { ngEnabled, ngDisabled };

using ENavBefore = std::function<void(TObject* Sender, TVgANavigateBtn& Button, bool& CanClick)>;
using ENavClick = std::function<void(TObject* Sender, TVgANavigateBtn Button)>;

class TVgDBAccessNavigator;

// A navigator button: repeats while held (nsAllowTimer: first after 400 ms,
// then every 100 ms) and shows the navigator's focus rectangle.
class TVgANavButton : public TSpeedButton {
public:
    explicit TVgANavButton(TVgDBAccessNavigator* Navigator);
    ~TVgANavButton() override;
    String ClassName() const override { return "TVgANavButton"; }
    TVgANavButtonStyle NavStyle() const { return FNavStyle; }
    void SetNavStyle(TVgANavButtonStyle Value) { FNavStyle = Value; }
    TTimer* RepeatTimer() const { return FRepeatTimer.get(); }
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    // One expiry of the repeat timer.
    void TimerExpired();

protected:
    void Paint() override;

private:
    TVgDBAccessNavigator* FNavigator;
    TVgANavButtonStyle FNavStyle;
    std::unique_ptr<TTimer> FRepeatTimer;
    bool FHeld = false;
};

class TVgANavDataLink : public TDataLink {
public:
    explicit TVgANavDataLink(TVgDBAccessNavigator* Navigator) : FNavigator(Navigator) {}
    String ClassName() const override { return "TVgANavDataLink"; }

protected:
    void ActiveChanged() override;
    void DataSetChanged() override;
    void DataSetScrolled(Integer Distance) override;
    void EditingChanged() override;

private:
    TVgDBAccessNavigator* FNavigator;
};

class TVgDBAccessNavigator : public TPanel {
public:
    explicit TVgDBAccessNavigator(TComponent* AOwner);
    ~TVgDBAccessNavigator() override;
    String ClassName() const override { return "TVgDBAccessNavigator"; }

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* Value);
    TVgAButtonSet VisibleButtons() const { return FVisibleButtons; }
    void SetVisibleButtons(TVgAButtonSet Value);
    bool ConfirmDelete() const { return FConfirmDelete; }
    void SetConfirmDelete(bool Value) { FConfirmDelete = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);

    // The first child shown for Button, null when the button is not shown.
    TControl* GetButtonControl(TVgANavigateBtn Button) const;
    // The record-number and record-count edit boxes (null when not shown).
    TEdit* RecNoEdit() const;
    TEdit* RecordCountEdit() const;
    void BtnClick(TVgANavigateBtn Button);
    Integer FocusedIndex() const { return FFocusedButton; }
    void SetFocusedIndex(Integer Index);
    // A press on a child makes it the focused one.
    void BtnMouseDown(TControl* Child);

    void DataChanged();
    void EditingChanged();
    void ActiveChanged();
    void DataSetScrolled();

    void KeyDown(Word& Key, TShiftState Shift) override;
    bool WantsKey(Word Key) const override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    ENavBefore BeforeAction;
    ENavClick OnClick;

protected:
    void EnabledChanged() override;
    void DoEnter() override;
    void DoExit() override;

private:
    void InitButtons();
    void RepaintChild(Integer Index);

    std::unique_ptr<TVgANavDataLink> FDataLink;
    TVgAButtonSet FVisibleButtons{sbaFirst, sbaPrior, sbaRecNo,  sbaRecordCount, sbaNext,
                                  sbaLast,  sbaNew,   sbaInsert, sbaDelete};
    bool FConfirmDelete = true;
    bool FFlat = false;
    Integer FFocusedButton = 0;
};
