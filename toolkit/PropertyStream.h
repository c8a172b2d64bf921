#pragma once
// Components to and from the property stream through their published properties.

#include <string>

#include "toolkit/Classes.h"
#include "toolkit/Streams.h"

// "TPF0", the class name, the component's Name, its published properties in table order and
// the two end bytes (properties, then an empty child list).
void WriteComponentBinary(TStream& Dest, const TComponent& Component);
// Reads the binary form into Component: its Name and the properties. A property the class
// does not publish is passed over; a value of the wrong type raises EReadError "Invalid
// property value"; bytes that are not a property stream raise EReadError or EParserError.
void ReadComponentBinary(TStream& Source, TComponent& Component);

// The same through the textual form.
std::string ComponentToText(const TComponent& Component);
void ComponentFromText(const std::string& Text, TComponent& Component);
