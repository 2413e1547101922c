#pragma once
// The font dialog: Execute shows Font and, when confirmed, Font takes the choice.
#include "platform/core/TComponent.h"

#include <memory>

class TFont;

class TFontDialog : public TComponent {
public:
    explicit TFontDialog(TComponent* AOwner);
    ~TFontDialog() override;
    String ClassName() const override { return "TFontDialog"; }

    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* v);
    bool Execute();

private:
    std::unique_ptr<TFont> FFont;
};
