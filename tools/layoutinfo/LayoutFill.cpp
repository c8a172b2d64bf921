#include "tools/layoutinfo/LayoutFill.h"

#include <cstdint>

#include "toolkit/PropertyText.h"
#include "toolkit/SysUtils.h"

namespace {

// The line of Text that starts at At, without its line end; At moves to the next line.
std::string NextLine(const std::string& Text, size_t& At) {
  const size_t End = Text.find('\n', At);
  std::string Line = Text.substr(At, End == std::string::npos ? std::string::npos : End - At);
  At = End == std::string::npos ? Text.size() : End + 1;
  if (!Line.empty() && Line.back() == '\r')
    Line.pop_back();
  return Line;
}

size_t IndentOf(const std::string& Line) { return Line.find_first_not_of(' '); }

std::string Trimmed(const std::string& Line) {
  const size_t First = Line.find_first_not_of(" \t");
  const size_t Last = Line.find_last_not_of(" \t");
  return First == std::string::npos ? std::string() : Line.substr(First, Last - First + 1);
}

// "object Name: Class" (or "inherited"): Name, or "" for any other line.
std::string ObjectName(const std::string& Line) {
  const std::string Words = Trimmed(Line);
  for (const char* Keyword : {"object ", "inherited "}) {
    const std::string Prefix = Keyword;
    if (Words.compare(0, Prefix.size(), Prefix) == 0) {
      const size_t Colon = Words.find(':');
      return Trimmed(Words.substr(Prefix.size(), Colon - Prefix.size()));
    }
  }
  return {};
}

std::string HexLines(const std::string& Bytes, const std::string& Indent) {
  static const char Hex[] = "0123456789ABCDEF";
  std::string Out;
  for (size_t I = 0; I < Bytes.size(); ++I) {
    if (I % 32 == 0)
      Out += "\r\n" + Indent + "  ";
    Out += Hex[static_cast<uint8_t>(Bytes[I]) >> 4];
    Out += Hex[static_cast<uint8_t>(Bytes[I]) & 15];
  }
  return Out;
}

} // namespace

std::string FillBinaryValue(const std::string& Text, const std::string& Object,
                            const std::string& Property, const std::string& Bytes) {
  size_t At = 0;
  while (At < Text.size()) {
    const std::string Line = NextLine(Text, At);
    if (!SameText(ObjectName(Line), Object))
      continue;
    // The object's own lines lie one level deeper, up to its first child or its end.
    const std::string Indent(IndentOf(Line) + 2, ' ');
    while (At < Text.size()) {
      const size_t Start = At;
      const std::string Own = NextLine(Text, At);
      const std::string Words = Trimmed(Own);
      if (IndentOf(Own) < Indent.size() || !ObjectName(Own).empty() || Words == "end")
        break;
      const size_t Equals = Words.find('=');
      if (Equals == std::string::npos || !SameText(Trimmed(Words.substr(0, Equals)), Property))
        continue;
      if (Trimmed(Words.substr(Equals + 1)) != "{}")
        break;
      const size_t LineEnd = Text.find_last_of('}', At);
      return Text.substr(0, Start) + Indent + Trimmed(Words.substr(0, Equals)) + " = {" +
             HexLines(Bytes, Indent) + Text.substr(LineEnd);
    }
    throw EParserError("Object " + Object + " has no empty value " + Property + " to fill");
  }
  throw EParserError("No object " + Object + " in the layout");
}

std::string BitmapPictureData(const std::string& BitmapFile) {
  const std::string ClassName = "TBitmap";
  std::string Data(1, static_cast<char>(ClassName.size()));
  Data += ClassName;
  const auto Size = static_cast<uint32_t>(BitmapFile.size());
  for (int Shift = 0; Shift < 32; Shift += 8)
    Data += static_cast<char>((Size >> Shift) & 0xFF);
  return Data + BitmapFile;
}
