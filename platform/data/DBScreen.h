#pragma once
// The data layer's view of the screen cursor: datasets ask for the SQL-wait
// cursor while a statement reads, without knowing the window layer. The window
// layer installs DBScreen at start-up; while it is null (tests, tools) datasets
// touch no cursor.
enum TDBScreenCursor { dcrDefault, dcrHourGlass, dcrSQLWait, dcrOther };

class TCustomDBScreen {
public:
    virtual ~TCustomDBScreen() = default;
    virtual TDBScreenCursor Cursor() const = 0;
    virtual void SetCursor(TDBScreenCursor Value) = 0;
};

inline TCustomDBScreen* DBScreen = nullptr;
