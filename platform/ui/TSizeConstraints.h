#pragma once
// Minimum and maximum width and height of a control; 0 means no limit.
#include "platform/core/TPersistent.h"

class TSizeConstraints : public TPersistent {
public:
    String ClassName() const override { return "TSizeConstraints"; }

    Integer MinWidth() const { return FMinWidth; }
    void SetMinWidth(Integer v) {
        FMinWidth = v;
        Changed();
    }
    Integer MinHeight() const { return FMinHeight; }
    void SetMinHeight(Integer v) {
        FMinHeight = v;
        Changed();
    }
    Integer MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(Integer v) {
        FMaxWidth = v;
        Changed();
    }
    Integer MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(Integer v) {
        FMaxHeight = v;
        Changed();
    }

    // Width and height brought inside the limits; a maximum wins over a minimum.
    void Constrain(Integer& Width, Integer& Height) const {
        if (FMinWidth > 0 && Width < FMinWidth) Width = FMinWidth;
        if (FMaxWidth > 0 && Width > FMaxWidth) Width = FMaxWidth;
        if (FMinHeight > 0 && Height < FMinHeight) Height = FMinHeight;
        if (FMaxHeight > 0 && Height > FMaxHeight) Height = FMaxHeight;
    }

    TNotifyEvent OnChange;

private:
    void Changed() {
        if (OnChange) OnChange(this);
    }

    Integer FMinWidth = 0;
    Integer FMinHeight = 0;
    Integer FMaxWidth = 0;
    Integer FMaxHeight = 0;
};
