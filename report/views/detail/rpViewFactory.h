#pragma once
// The factory that creates views by the type code and class name their
// stored records carry.
#include "platform/core/Types.h"

class TrpView;

// Codes 0 to 4 create a memo, picture, band, sub-report or line view; code 10
// the first registered add-in whose class name equals AClassName exactly (its
// Typ becomes 10). Codes 5 to 9 and above 10 create nothing. A created view
// gets ID = ObjectCounter, which then advances. Raises EClassNotFound
// "Не найден класс " + AClassName for an add-in name nobody registered.
TrpView* rpCreateObject(Byte Typ, const String& AClassName);
