// Restores a form from its stored text: each object is created by class name and owned
// by the form, controls are placed in the control that encloses them, properties are
// set by name (dotted names reach into sub-objects: "Font.Name"), identifiers bind
// handlers of the form by name, and binary values go to the component's own reader.
#pragma once

#include <string_view>

namespace velmora {

class TForm;

// Raises velmora::Exception naming the component and property on any mismatch.
void ReadFormDefinition(TForm& form, std::string_view text);

}  // namespace velmora
