#include "platform/graphics/FontFaces.h"

#include <strings.h>

namespace graphics {

namespace {

struct FaceMapping {
    const char* Windows;
    const char* Installed;
};

constexpr FaceMapping Faces[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Microsoft Sans Serif", "Liberation Sans"},
    {"MS Shell Dlg", "Liberation Sans"},
    {"MS Shell Dlg 2", "Liberation Sans"},
    {"Tahoma", "Liberation Sans"},
    {"Verdana", "Liberation Sans"},
    {"Small Fonts", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"MS Serif", "Liberation Serif"},
    {"Times", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Courier", "Liberation Mono"},
    {"Lucida Console", "Liberation Mono"},
    {"Fixedsys", "Liberation Mono"},
    {"Terminal", "Liberation Mono"},
};

} // namespace

String ResolveFontFace(const String& windowsName) {
    for (const auto& f : Faces)
        if (strcasecmp(f.Windows, windowsName.c_str()) == 0) return f.Installed;
    return windowsName;
}

} // namespace graphics
