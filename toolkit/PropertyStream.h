#pragma once
// Components to and from the property stream through their published properties.

#include <string>
#include <vector>

#include "toolkit/Classes.h"
#include "toolkit/Streams.h"

// "TPF0", then the component's record: its class name, Name, published properties in table
// order and an end byte, then the records of its children (GetChildren, each nested the same
// way) and an end byte.
void WriteComponentBinary(TStream& Dest, const TComponent& Component);
// Reads the binary form into Component: its Name (an identifier) and the properties, then
// its children, each made by its registered class name, owned by Component, named, read and
// put in its place (SetParentComponent) in the loading state; once the whole tree is in,
// every child's Loaded runs in the order they came (Component's own is the caller's to run).
// A property the class does not publish is passed over; a value of the wrong type raises
// EReadError "Invalid property value"; a class not registered EReadError "Class <name> not
// found"; a reference nothing answers to EReadError "Unresolved reference ..."; bytes that
// are not a property stream raise EReadError or EParserError. The children read before an
// error stay owned by Component.
void ReadComponentBinary(TStream& Source, TComponent& Component);

// ReadComponentBinary in two steps: the tree, its components still loading (each returned in
// the order it came), then their Loaded in that order (the first failure raised once every
// one has run).
std::vector<TComponent*> ReadComponentTree(TStream& Source, TComponent& Component);
void LoadComponents(const std::vector<TComponent*>& Components);

// The same through the textual form.
std::string ComponentToText(const TComponent& Component);
void ComponentFromText(const std::string& Text, TComponent& Component);
