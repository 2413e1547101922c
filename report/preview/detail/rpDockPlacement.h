#pragma once
// Placement of toolbars and forms in the settings store, one section each
// ("ToolBar\<name>", "Form\<name>") below the key rpDockRootKey of the
// current user: visibility, position, size, and for a toolbar whether it
// floats and the name of its dock.
#include "platform/core/Types.h"

class TCustomForm;
class TrpToolBar;

inline constexpr const char* rpDockRootKey = "Software\\Report";

void SaveToolbarPosition(TrpToolBar* ToolBar);
// Missing values keep the toolbar's current state; a dock name that names no
// dock of the owner keeps it on its parent at the stored position.
void RestoreToolbarPosition(TrpToolBar* ToolBar);
void SaveFormPosition(TCustomForm* Form);
void RestoreFormPosition(TCustomForm* Form);
