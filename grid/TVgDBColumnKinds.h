#pragma once
// The column kinds that draw their own cells: images, progress bars,
// passwords, hyperlinks, buttons and check boxes.
#include "grid/TVgDBColumn.h"

class TImageList;

class TVgDBImagesColumn : public TVgDBColumn {
public:
    explicit TVgDBImagesColumn(TCollection* Collection);
    String ClassName() const override { return "TVgDBImagesColumn"; }
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* Value) { FImages = Value; }
    void DrawItem(TCanvas* Canvas, const TRect& Rect, const Variant& Value, TColor Color,
                  TGridDrawState State, bool& Done) override;
    bool DrawsItself() const override { return true; }

private:
    TImageList* FImages = nullptr;
};

class TVgDBProgressColumn : public TVgDBColumn {
public:
    explicit TVgDBProgressColumn(TCollection* Collection);
    String ClassName() const override { return "TVgDBProgressColumn"; }
    Integer Min() const { return FMin; }
    void SetMin(Integer Value) { FMin = Value; }
    Integer Max() const { return FMax; }
    void SetMax(Integer Value) { FMax = Value; }
    TColor BarColor() const { return FBarColor; }
    void SetBarColor(TColor Value) { FBarColor = Value; }
    // Width of the bar for a value in a cell Width pixels wide.
    Integer BarWidth(Integer Position, Integer Width) const;
    void DrawItem(TCanvas* Canvas, const TRect& Rect, const Variant& Value, TColor Color,
                  TGridDrawState State, bool& Done) override;
    bool DrawsItself() const override { return true; }

private:
    Integer FMin = 0;
    Integer FMax = 0;
    TColor FBarColor = clHighlight;
};

class TVgDBPasswordColumn : public TVgDBColumn {
public:
    explicit TVgDBPasswordColumn(TCollection* Collection);
    String ClassName() const override { return "TVgDBPasswordColumn"; }
    char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char Value) { FPasswordChar = Value; }
    void DrawItem(TCanvas* Canvas, const TRect& Rect, const Variant& Value, TColor Color,
                  TGridDrawState State, bool& Done) override;
    bool DrawsItself() const override { return true; }

private:
    char FPasswordChar = '*';
};

class TVgDBHyperlinkColumn : public TVgDBColumn {
public:
    explicit TVgDBHyperlinkColumn(TCollection* Collection);
    String ClassName() const override { return "TVgDBHyperlinkColumn"; }
    void DrawItem(TCanvas* Canvas, const TRect& Rect, const Variant& Value, TColor Color,
                  TGridDrawState State, bool& Done) override;
    bool DrawsItself() const override { return true; }
};

class TVgDBButtonColumn : public TVgDBColumn {
public:
    explicit TVgDBButtonColumn(TCollection* Collection);
    String ClassName() const override { return "TVgDBButtonColumn"; }
    void DrawItem(TCanvas* Canvas, const TRect& Rect, const Variant& Value, TColor Color,
                  TGridDrawState State, bool& Done) override;
    bool DrawsItself() const override { return true; }
};

class TVgDBCheckboxColumn : public TVgDBColumn {
public:
    explicit TVgDBCheckboxColumn(TCollection* Collection);
    String ClassName() const override { return "TVgDBCheckboxColumn"; }
    // Lists separated by ";": the first entry is what a click writes.
    const String& ValueChecked() const { return FValueChecked; }
    void SetValueChecked(const String& Value) { FValueChecked = Value; }
    const String& ValueUnChecked() const { return FValueUnChecked; }
    void SetValueUnChecked(const String& Value) { FValueUnChecked = Value; }
    void DrawItem(TCanvas* Canvas, const TRect& Rect, const Variant& Value, TColor Color,
                  TGridDrawState State, bool& Done) override;
    bool DrawsItself() const override { return true; }

private:
    String FValueChecked;
    String FValueUnChecked;
};
