#pragma once
// Name lookup of the report engine: components and data fields by the names
// templates use ("Query1", "Form2.Query1", "letet_adatlap.Query1."letevo"").
// Names are compared ignoring case, as component names are.
#include "platform/core/Types.h"

#include <functional>

class TComponent;
class TDataSet;
class TField;
class TStrings;

// With a ".", the part before the first "." names a form of the application
// and the part after it (up to 255 characters) a component that form owns;
// otherwise Name is looked up among Owner's components. Null when not found.
TComponent* rpFindComponent(TComponent* Owner, const String& Name);
// The data set of that name under the current report's owner; null when there
// is none or the component is not a data set.
TDataSet* rpGetDataSet(const String& Name);
// Splits a field reference by its "." (dots inside double quotes do not count):
// "form.dataset.field" looks the data set up among the form's components,
// "dataset.field" under the current report's owner, and a bare "field" uses
// the DataSet passed in (nothing happens without one). A field name both
// beginning and ending with a double quote loses them. Field is the data
// set's field of that name, or null.
void rpGetDataSetAndField(const String& ComplexName, TDataSet*& DataSet, TField*& Field);
// Clears List, then adds every component of every form (in screen order) for
// which IsOfClass holds, except Skip: as its bare name when Owner owns it,
// otherwise as the form's name, "." and its name.
void rpGetComponents(TComponent* Owner, const std::function<bool(TComponent*)>& IsOfClass, TStrings* List,
                     TComponent* Skip);
