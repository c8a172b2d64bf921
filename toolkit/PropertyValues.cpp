#include "toolkit/PropertyValues.h"

#include "toolkit/PropertyText.h"
#include "toolkit/SysUtils.h"

// Letters and digits of ASCII: what std::isalnum accepts in the C locale the programs run in.
bool IsNameChar(char C) {
  return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9') || C == '_' ||
         C == '.';
}

uint8_t TValueReader::Byte() {
  uint8_t Value;
  FSource.ReadBuffer(&Value, 1);
  return Value;
}

std::string TValueReader::Bytes(int64_t Count) {
  if (Count < 0 || Count > FSource.Remaining())
    throw EReadError();
  std::string Text(static_cast<size_t>(Count), '\0');
  FSource.ReadBuffer(Text.data(), Count);
  return Text;
}

std::string TValueReader::Name(bool MayBeEmpty) {
  std::string Text = ShortString();
  for (char C : Text)
    if (!IsNameChar(C))
      throw EParserError("Invalid name in property stream");
  if (Text.empty() && !MayBeEmpty)
    throw EParserError("Invalid name in property stream");
  return Text;
}

int16_t TValueReader::Int16() {
  uint8_t Two[2];
  FSource.ReadBuffer(Two, 2);
  return static_cast<int16_t>(Two[0] | Two[1] << 8);
}

int32_t TValueReader::Integer(uint8_t Type) {
  switch (Type) {
  case vaInt8:
    return static_cast<int8_t>(Byte());
  case vaInt16:
    return Int16();
  case vaInt32:
    return Int32();
  default:
    throw EReadError("Invalid property value");
  }
}

void TValueReader::SkipValue(uint8_t Type) {
  auto Skip = [this](int64_t Count) {
    if (Count < 0 || Count > FSource.Remaining())
      throw EReadError();
    FSource.Seek(Count, TSeekOrigin::soCurrent);
  };
  switch (Type) {
  case vaInt8:
  case vaInt16:
  case vaInt32:
    Integer(Type);
    break;
  case vaString:
  case vaIdent:
    Skip(Byte());
    break;
  case vaFalse:
  case vaTrue:
    break;
  case vaBinary:
  case vaLString:
    Skip(Int32());
    break;
  case vaSet:
    for (uint8_t Length = Byte(); Length != 0; Length = Byte())
      Skip(Length);
    break;
  case vaCollection: {
    // Items, each a list of properties, after an optional order value.
    if (++FDepth > MaxObjectNesting)
      throw EParserError("Objects are nested too deeply");
    for (uint8_t Item = Byte(); Item != 0; Item = Byte()) {
      if (Item != vaList) {
        Integer(Item);
        if (Byte() != vaList)
          throw EReadError();
      }
      for (std::string Property = Name(true); !Property.empty(); Property = Name(true))
        SkipValue(Byte());
    }
    --FDepth;
    break;
  }
  default:
    throw EParserError(FormatStr("Unknown property value type %s", {std::to_string(Type)}));
  }
}

void WriteValueByte(TStream& Dest, uint8_t Value) { Dest.WriteBuffer(&Value, 1); }

void WriteShortStr(TStream& Dest, std::string_view Text) {
  WriteValueByte(Dest, static_cast<uint8_t>(Text.size()));
  Dest.WriteBuffer(Text.data(), static_cast<int64_t>(Text.size()));
}

void WriteIntegerValue(TStream& Dest, int64_t Value) {
  if (Value >= INT8_MIN && Value <= INT8_MAX) {
    const uint8_t Bytes[2] = {vaInt8, static_cast<uint8_t>(Value)};
    Dest.WriteBuffer(Bytes, 2);
  } else if (Value >= INT16_MIN && Value <= INT16_MAX) {
    const auto Bits = static_cast<uint16_t>(Value);
    const uint8_t Bytes[3] = {vaInt16, static_cast<uint8_t>(Bits), static_cast<uint8_t>(Bits >> 8)};
    Dest.WriteBuffer(Bytes, 3);
  } else {
    WriteValueByte(Dest, vaInt32);
    Dest.WriteInt32(static_cast<int32_t>(Value));
  }
}

void WriteStringValue(TStream& Dest, std::string_view Text) {
  if (Text.size() <= 255) {
    WriteValueByte(Dest, vaString);
    WriteShortStr(Dest, Text);
  } else {
    WriteValueByte(Dest, vaLString);
    Dest.WriteInt32(static_cast<int32_t>(Text.size()));
    Dest.WriteBuffer(Text.data(), static_cast<int64_t>(Text.size()));
  }
}

void WriteIdentValue(TStream& Dest, std::string_view Ident) {
  WriteValueByte(Dest, vaIdent);
  WriteShortStr(Dest, Ident);
}
