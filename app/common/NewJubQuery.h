#pragma once
// The case sheet's clients menu starts a new identification query of a person of the
// case. The identification area provides the dialog and defines this beside it
// (app/identification/Tujjub.cpp), so the case area opens it without including that area.
#include "platform/core/Types.h"

namespace app {

// Shows the new identification query modally for CaseClientRowId, the person's copy in
// ugy_ugyfel_tsz, of the case CaseId. Only while the dialog exists.
void OpenNewJubQuery(Integer CaseId, Integer CaseClientRowId);

} // namespace app
