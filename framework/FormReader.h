#pragma once
// Fills a component and its owned components from a form file: creates nested objects by class
// name, sets their published properties and binds events to the root's methods by name.

#include "framework/Classes.h"

// Reads `form` into `root`, whose class must be the form file's root class. Unknown classes,
// properties, values and handler names raise EFormError naming object, property and line.
void ReadForm(TComponent& root, const FormObject& form);
void ReadFormText(TComponent& root, std::string_view utf8);

// Sets one property from a form value (used for collection items too).
void ReadProperty(TObject& target, const std::wstring& objectName, const FormProperty& prop,
                  TComponent& root);
