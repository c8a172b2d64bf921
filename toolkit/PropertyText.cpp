#include "toolkit/PropertyText.h"

#include <cctype>
#include <cstdint>
#include <cstring>
#include <optional>

#include "toolkit/PropertyValues.h"
#include "toolkit/SysUtils.h"

namespace {

// ---------------------------------------------------------------------------------------
// Binary to text

// A string in quotes, a quote inside doubled; control characters as #code outside the quotes
// so that every line stays one line.
std::string Quoted(const std::string& Text) {
  std::string Result;
  bool Open = false;
  for (char C : Text) {
    const auto Code = static_cast<unsigned char>(C);
    if (Code < 32) {
      if (Open)
        Result += '\'';
      Open = false;
      Result += "#" + std::to_string(Code);
      continue;
    }
    if (!Open)
      Result += '\'';
    Open = true;
    Result += C;
    if (C == '\'')
      Result += '\'';
  }
  return Open || Result.empty() ? Result + (Result.empty() ? "''" : "'") : Result;
}

void WriteValue(TValueReader& In, std::string& Out, const std::string& Indent, int Depth = 0);

// The items of a collection, each with its properties, between angle brackets.
void WriteCollection(TValueReader& In, std::string& Out, const std::string& Indent, int Depth) {
  if (Depth > MaxObjectNesting)
    throw EParserError("Objects are nested too deeply");
  Out += "<";
  for (uint8_t Item = In.Byte(); Item != 0; Item = In.Byte()) {
    if (Item != vaList) {
      In.Integer(Item); // an order value: the items' order says the same
      if (In.Byte() != vaList)
        throw EParserError("Invalid stream format");
    }
    Out += "\r\n" + Indent + "  item";
    for (std::string Property = In.Name(true); !Property.empty(); Property = In.Name(true)) {
      Out += "\r\n" + Indent + "    " + Property + " = ";
      WriteValue(In, Out, Indent + "    ", Depth + 1);
    }
    Out += "\r\n" + Indent + "  end";
  }
  Out += ">";
}

// The members of a set, between brackets.
void WriteSet(TValueReader& In, std::string& Out) {
  Out += "[";
  for (bool First = true;; First = false) {
    const std::string Member = In.Name(true);
    if (Member.empty())
      break;
    Out += (First ? "" : ", ") + Member;
  }
  Out += "]";
}

// Bytes in hexadecimal between braces, 32 to a line.
void WriteBinary(TValueReader& In, std::string& Out, const std::string& Indent) {
  static const char Hex[] = "0123456789ABCDEF";
  const std::string Data = In.Bytes(In.Int32());
  Out += "{";
  for (size_t I = 0; I < Data.size(); ++I) {
    if (I % 32 == 0)
      Out += "\r\n" + Indent + "  ";
    Out += Hex[static_cast<uint8_t>(Data[I]) >> 4];
    Out += Hex[static_cast<uint8_t>(Data[I]) & 15];
  }
  Out += "}";
}

void WriteValue(TValueReader& In, std::string& Out, const std::string& Indent, int Depth) {
  const uint8_t Type = In.Byte();
  switch (Type) {
  case vaCollection:
    WriteCollection(In, Out, Indent, Depth);
    break;
  case vaInt8:
    Out += std::to_string(static_cast<int8_t>(In.Byte()));
    break;
  case vaInt16:
    Out += std::to_string(In.Int16());
    break;
  case vaInt32:
    Out += std::to_string(In.Int32());
    break;
  case vaString:
    Out += Quoted(In.ShortString());
    break;
  case vaLString:
    Out += Quoted(In.Bytes(In.Int32()));
    break;
  case vaIdent:
    Out += In.Name();
    break;
  case vaFalse:
    Out += "False";
    break;
  case vaTrue:
    Out += "True";
    break;
  case vaSet:
    WriteSet(In, Out);
    break;
  case vaBinary:
    WriteBinary(In, Out, Indent);
    break;
  default:
    throw EParserError(FormatStr("Unknown property value type %s", {std::to_string(Type)}));
  }
}

// Class name and object name already read.
void WriteObject(TValueReader& In, std::string& Out, const std::string& ClassName,
                 const std::string& Name, int Depth) {
  if (Depth > MaxObjectNesting)
    throw EParserError("Objects are nested too deeply");
  const std::string Indent(static_cast<size_t>(Depth) * 2, ' ');
  Out += Indent + "object " + Name + ": " + ClassName + "\r\n";
  for (std::string Property = In.Name(true); !Property.empty(); Property = In.Name(true)) {
    Out += Indent + "  " + Property + " = ";
    WriteValue(In, Out, Indent + "  ");
    Out += "\r\n";
  }
  for (std::string Child = In.Name(true); !Child.empty(); Child = In.Name(true)) {
    const std::string ChildName = In.Name(true);
    WriteObject(In, Out, Child, ChildName, Depth + 1);
  }
  Out += Indent + "end\r\n";
}

} // namespace

std::string PropertyValueText(TValueReader& In, const std::string& Indent) {
  std::string Out;
  WriteValue(In, Out, Indent);
  return Out;
}

namespace {

// ---------------------------------------------------------------------------------------
// Text to binary

// 0 to 15 for a hexadecimal digit of either case, -1 for any other character.
constexpr int HexDigitValue(char C) {
  if (C >= '0' && C <= '9')
    return C - '0';
  if (C >= 'A' && C <= 'F')
    return C - 'A' + 10;
  if (C >= 'a' && C <= 'f')
    return C - 'a' + 10;
  return -1;
}

// HexDigitValue of every character, looked up.
struct THexDigits {
  constexpr THexDigits() {
    for (int C = 0; C < 256; ++C)
      Value[C] = static_cast<int8_t>(HexDigitValue(static_cast<char>(C)));
  }
  int8_t Value[256]{};
};
constexpr THexDigits HexDigits;

class TTextReader {
public:
  explicit TTextReader(const std::string& Text) : FText(Text) {}

  [[noreturn]] void Fail(const std::string& Reason) const {
    throw EParserError(FormatStr("Line %s: %s", {std::to_string(FLine), Reason}));
  }
  void SkipBlanks() {
    while (FAt < FText.size() && (FText[FAt] == ' ' || FText[FAt] == '\t'))
      ++FAt;
  }
  // Blanks and line ends.
  void SkipSpace() {
    while (FAt < FText.size() &&
           (FText[FAt] == ' ' || FText[FAt] == '\t' || FText[FAt] == '\r' || FText[FAt] == '\n')) {
      if (FText[FAt] == '\n')
        ++FLine;
      ++FAt;
    }
  }
  bool AtEnd() const { return FAt >= FText.size(); }
  char Peek() const { return AtEnd() ? '\0' : FText[FAt]; }
  void Expect(char C) {
    SkipBlanks();
    if (Peek() != C)
      Fail(std::string("'") + C + "' expected");
    ++FAt;
  }
  // A name: letters, digits, underscores and dots.
  std::string Word() {
    SkipBlanks();
    const size_t Start = FAt;
    while (!AtEnd() && IsNameChar(Peek()))
      ++FAt;
    if (FAt == Start)
      Fail("name expected");
    return FText.substr(Start, FAt - Start);
  }
  // Quoted parts and #code characters, side by side.
  std::string QuotedString() {
    std::string Value;
    while (Peek() == '\'' || Peek() == '#') {
      if (Peek() == '#') {
        ++FAt;
        const size_t Start = FAt;
        while (!AtEnd() && std::isdigit(static_cast<unsigned char>(Peek())) && FAt - Start < 3)
          ++FAt;
        const std::optional<int32_t> Code = TryStrToInt(FText.substr(Start, FAt - Start));
        if (!Code || *Code > 255)
          Fail("character code expected");
        Value += static_cast<char>(*Code);
        continue;
      }
      ++FAt; // the opening quote
      for (;;) {
        if (AtEnd() || Peek() == '\n' || Peek() == '\r')
          Fail("unterminated string");
        if (Peek() == '\'') {
          if (FAt + 1 < FText.size() && FText[FAt + 1] == '\'') {
            Value += '\'';
            FAt += 2;
            continue;
          }
          ++FAt;
          break;
        }
        Value += FText[FAt++];
      }
    }
    return Value;
  }
  // The bytes of a binary value, after its "{" up to and including the "}". Blanks and line
  // ends may stand anywhere between the digits, even inside a pair.
  std::string HexBytes() {
    // Sized for the longest value that can end at the next "}" and cut to what was decoded:
    // bytes are stored, not appended.
    const size_t Close = FText.find('}', FAt);
    std::string Bytes((Close == std::string::npos ? FText.size() - FAt : Close - FAt) / 2, '\0');
    size_t Out = 0;
    int High = -1; // the first digit of a pair that the second has not yet followed
    for (;;) {
      if (High < 0) {
        // Whole pairs side by side: nearly every digit of a value.
        const auto* Text = reinterpret_cast<const uint8_t*>(FText.data());
        while (FAt + 1 < FText.size()) {
          const int First = HexDigits.Value[Text[FAt]];
          const int Second = HexDigits.Value[Text[FAt + 1]];
          if ((First | Second) < 0)
            break;
          Bytes[Out++] = static_cast<char>(First << 4 | Second);
          FAt += 2;
        }
      }
      SkipSpace();
      if (AtEnd())
        Fail("'}' expected");
      if (Peek() == '}') {
        ++FAt;
        if (High >= 0)
          Fail("odd number of hexadecimal digits");
        Bytes.resize(Out);
        return Bytes;
      }
      const int Digit = HexDigitValue(Peek());
      if (Digit < 0)
        Fail("hexadecimal digit expected");
      ++FAt;
      if (High < 0) {
        High = Digit;
      } else {
        Bytes[Out++] = static_cast<char>(High << 4 | Digit);
        High = -1;
      }
    }
  }
  std::string Number() {
    const size_t Start = FAt;
    if (Peek() == '-' || Peek() == '+')
      ++FAt;
    while (!AtEnd() && std::isdigit(static_cast<unsigned char>(Peek())))
      ++FAt;
    return FText.substr(Start, FAt - Start);
  }

private:
  const std::string& FText;
  size_t FAt = 0;
  int FLine = 1;
};

void PutShortString(TTextReader& In, TStream& Dest, const std::string& Text) {
  if (Text.size() > 255)
    In.Fail("name longer than 255 characters");
  WriteShortStr(Dest, Text);
}

void ReadValue(TTextReader& In, TStream& Dest, int Depth = 0);

// "<" item properties "end" ... ">": a collection of items.
void ReadCollection(TTextReader& In, TStream& Dest, int Depth) {
  if (Depth > MaxObjectNesting)
    In.Fail("objects are nested too deeply");
  In.Expect('<');
  WriteValueByte(Dest, vaCollection);
  for (;;) {
    In.SkipSpace();
    if (In.Peek() == '>')
      break;
    if (In.Word() != "item")
      In.Fail("'item' expected");
    WriteValueByte(Dest, vaList);
    for (;;) {
      In.SkipSpace();
      const std::string Word = In.Word();
      if (Word == "end")
        break;
      PutShortString(In, Dest, Word);
      In.Expect('=');
      ReadValue(In, Dest, Depth + 1);
    }
    WriteValueByte(Dest, 0);
  }
  In.Expect('>');
  WriteValueByte(Dest, 0);
}

// "[" names separated by commas "]".
void ReadSet(TTextReader& In, TStream& Dest) {
  In.Expect('[');
  WriteValueByte(Dest, vaSet);
  In.SkipBlanks();
  if (In.Peek() != ']')
    for (;;) {
      PutShortString(In, Dest, In.Word());
      In.SkipBlanks();
      if (In.Peek() != ',')
        break;
      In.Expect(',');
    }
  In.Expect(']');
  WriteValueByte(Dest, 0);
}

// "{" hexadecimal bytes "}".
void ReadBinary(TTextReader& In, TStream& Dest) {
  In.Expect('{');
  const std::string Bytes = In.HexBytes();
  WriteValueByte(Dest, vaBinary);
  Dest.WriteInt32(static_cast<int32_t>(Bytes.size()));
  Dest.WriteBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
}

// A bare word: True, False or an identifier.
void ReadWordValue(TTextReader& In, TStream& Dest) {
  const std::string Word = In.Word();
  if (Word == "True" || Word == "False") {
    WriteValueByte(Dest, Word == "True" ? vaTrue : vaFalse);
  } else {
    WriteValueByte(Dest, vaIdent);
    PutShortString(In, Dest, Word);
  }
}

// One value, told by its first character.
void ReadValue(TTextReader& In, TStream& Dest, int Depth) {
  In.SkipBlanks();
  const char C = In.Peek();
  if (C == '<') {
    ReadCollection(In, Dest, Depth);
  } else if (C == '\'' || C == '#') {
    WriteStringValue(Dest, In.QuotedString());
  } else if (C == '-' || C == '+' || std::isdigit(static_cast<unsigned char>(C))) {
    const std::optional<int32_t> Value = TryStrToInt(In.Number());
    if (!Value)
      In.Fail("integer expected");
    WriteIntegerValue(Dest, *Value);
  } else if (C == '[') {
    ReadSet(In, Dest);
  } else if (C == '{') {
    ReadBinary(In, Dest);
  } else {
    ReadWordValue(In, Dest);
  }
}

// After "object".
void ReadObject(TTextReader& In, TStream& Dest, int Depth) {
  if (Depth > MaxObjectNesting)
    In.Fail("objects are nested too deeply");
  In.SkipBlanks();
  const std::string Name = In.Peek() == ':' ? std::string() : In.Word();
  In.Expect(':');
  const std::string ClassName = In.Word();
  PutShortString(In, Dest, ClassName);
  PutShortString(In, Dest, Name);
  TMemoryStream ChildBytes; // written after the properties
  for (;;) {
    In.SkipSpace();
    if (In.AtEnd())
      In.Fail("'end' expected");
    const std::string Word = In.Word();
    if (Word == "end")
      break;
    if (Word == "object") {
      ReadObject(In, ChildBytes, Depth + 1);
      continue;
    }
    PutShortString(In, Dest, Word);
    In.Expect('=');
    ReadValue(In, Dest);
  }
  WriteValueByte(Dest, 0);
  Dest.WriteBuffer(ChildBytes.Bytes().data(), static_cast<int64_t>(ChildBytes.Bytes().size()));
  WriteValueByte(Dest, 0);
}

} // namespace

std::string ObjectBinaryToText(TStream& Source) {
  TValueReader In(Source);
  if (In.Bytes(4) != "TPF0")
    throw EParserError("Invalid stream format");
  std::string Out;
  const std::string ClassName = In.Name();
  const std::string Name = In.Name(true);
  WriteObject(In, Out, ClassName, Name, 0);
  return Out;
}

void ObjectTextToBinary(const std::string& Text, TStream& Dest) {
  TTextReader In(Text);
  In.SkipSpace();
  if (In.Word() != "object")
    In.Fail("'object' expected");
  Dest.WriteBuffer("TPF0", 4);
  ReadObject(In, Dest, 0);
}
