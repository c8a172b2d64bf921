#pragma once
// The property stream of stored objects in its two forms, and conversion between them.
//
// Binary: "TPF0", class name and object name as short strings, (name, value) pairs ended by a
// 0 byte, then child objects (class, name, properties, children) ended by a 0 byte. A value
// is a type byte and its payload: 2, 3, 4 integers of 1, 2, 4 bytes; 6 short string;
// 7 identifier; 8 false; 9 true; 10 binary (int32 length, bytes); 11 set (short strings
// ended by an empty one); 12 long string (int32 length, bytes).
//
// Text: "object Name: Class", one "Name = value" line per property indented two spaces per
// level, children as nested objects, "end"; lines end with CR LF.

#include <string>
#include <vector>

#include "toolkit/Streams.h"

class EParserError : public Exception {
public:
  using Exception::Exception;
};

class TValueReader;

// One value of the binary form, its type byte first, as the text form writes it (the lines of
// a collection or a binary value after the first indented by Indent and two more spaces).
std::string PropertyValueText(TValueReader& In, const std::string& Indent);

// Reads one object in binary form from Source and returns its text. Raises EReadError for
// truncated or oversized data and EParserError for an unknown value type or too deep nesting.
std::string ObjectBinaryToText(TStream& Source);
// Reads one object in text form and writes its binary form to Dest. Raises EParserError
// "Line <n>: <reason>" for text that does not follow the form.
void ObjectTextToBinary(const std::string& Text, TStream& Dest);

// Nesting deeper than this is refused, so hostile data cannot exhaust the stack.
constexpr int MaxObjectNesting = 64;
