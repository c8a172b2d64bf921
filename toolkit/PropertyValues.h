#pragma once
// The values of the binary property stream: type bytes, and reading and writing them.

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/Streams.h"

enum TValueType : uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaString = 6,
  vaIdent = 7,
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,
  vaSet = 11,
  vaLString = 12,
  vaCollection = 14
};

// Reads the parts of a property stream; every length is checked against what the stream
// still holds before anything is allocated (EReadError otherwise).
class TValueReader {
public:
  explicit TValueReader(TStream& Source) : FSource(Source) {}
  TStream& Stream() { return FSource; }

  uint8_t Byte();
  std::string Bytes(int64_t Count);
  std::string ShortString() { return Bytes(Byte()); }
  // A short string that must spell a name: letters, digits, "_" and "." (EParserError).
  std::string Name(bool MayBeEmpty = false);
  int16_t Int16();
  int32_t Int32() { return FSource.ReadInt32(); }
  // The payload of an integer value of type 2, 3 or 4.
  int32_t Integer(uint8_t Type);
  // Passes over the payload of a value of type Type (EParserError for an unknown type).
  void SkipValue(uint8_t Type);

private:
  TStream& FSource;
  int FDepth = 0; // collections being passed over, one inside another
};

bool IsNameChar(char C);

void WriteValueByte(TStream& Dest, uint8_t Value);
// One length byte and the bytes; Text holds at most 255 bytes.
void WriteShortStr(TStream& Dest, std::string_view Text);
// An integer value in the smallest of types 2, 3 and 4 that holds it.
void WriteIntegerValue(TStream& Dest, int64_t Value);
// A string value: type 6 up to 255 bytes, type 12 beyond.
void WriteStringValue(TStream& Dest, std::string_view Text);
void WriteIdentValue(TStream& Dest, std::string_view Ident);
