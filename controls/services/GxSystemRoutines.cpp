#include "controls/services/GxSystemRoutines.h"

#include "platform/core/SafeFileStream.h"
#include "platform/core/TFiler.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/Utf8.h"
#include "platform/os/WaveOut.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TScreen.h"

#include <vector>

String ComponentToString(TComponent* Component) {
    return ComponentToText(Component);
}

void StringToComponent(TComponent* Component, const String& S) {
    TextToComponent(S, Component);
}

void SaveComponentToTextFile(TComponent* Component, const String& FileName) {
    const String text = ComponentToText(Component);
    core::SafeFileStream file(FileName);
    file.WriteBuffer(text.data(), Integer(text.size()));
    file.Commit();
}

void LoadComponentFromTextFile(TComponent* Component, const String& FileName) {
    TMemoryStream data;
    data.LoadFromFile(FileName);
    TextToComponent(String(reinterpret_cast<const char*>(data.Memory()), std::size_t(data.Size())),
                    Component);
}

bool PlayWaveResource(const String& Name) {
    std::vector<Byte> data;
    if (!FindWaveResource(Name, data)) return false;
    return SndPlaySound(data.data(), data.size(), SND_ASYNC | SND_MEMORY);
}

TCustomForm* FindMainWindow(const String& ClassName, const String& Caption) {
    if (ClassName.empty() && Caption.empty()) return nullptr;
    for (Integer i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if ((ClassName.empty() || form->ClassName() == ClassName) &&
            (Caption.empty() || form->Caption() == Caption))
            return form;
    }
    return nullptr;
}

void TypeStringOnKeyboard(const String& S) {
    TCustomForm* form = Screen->ActiveForm();
    if (!form) return;
    TWinControl* target = form->ActiveControl() ? form->ActiveControl() : form;
    std::size_t pos = 0;
    while (pos < S.size()) {
        const char32_t c = core::Utf8Next(S, pos);
        String text;
        core::Utf8Append(text, c);
        // Letters and digits go as their own keys; every character carries its text.
        Word key = 0;
        if (c >= 'a' && c <= 'z')
            key = Word(c - 32);
        else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ')
            key = Word(c);
        ui::SimulateKey(target, key, {}, text);
    }
}
