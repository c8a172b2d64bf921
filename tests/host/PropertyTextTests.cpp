// The property stream's binary and text forms: exact text, round trips, and refusal of bad
// input with a clear error.

#include <gtest/gtest.h>
#include <string>

#include "toolkit/PropertyText.h"

namespace {

// Builds binary property streams byte by byte.
struct TBytes {
  std::string Data;
  TBytes& Raw(const std::string& Text) {
    Data += Text;
    return *this;
  }
  TBytes& Byte(int Value) {
    Data += static_cast<char>(Value);
    return *this;
  }
  TBytes& Short(const std::string& Text) { return Byte(static_cast<int>(Text.size())).Raw(Text); }
  TBytes& Int32(int32_t Value) {
    for (int Shift = 0; Shift < 32; Shift += 8)
      Byte(static_cast<int>(static_cast<uint32_t>(Value) >> Shift & 0xFF));
    return *this;
  }
  TMemoryStream Stream() const {
    return TMemoryStream(std::vector<uint8_t>(Data.begin(), Data.end()));
  }
};

std::string ToText(const TBytes& Bytes) {
  TMemoryStream Stream = Bytes.Stream();
  return ObjectBinaryToText(Stream);
}

std::string ToBinary(const std::string& Text) {
  TMemoryStream Stream;
  ObjectTextToBinary(Text, Stream);
  return std::string(Stream.Bytes().begin(), Stream.Bytes().end());
}

TBytes Sample() {
  std::string Long(300, 'x');
  std::string Binary;
  for (int I = 0; I < 40; ++I)
    Binary += static_cast<char>(I * 7);
  TBytes B;
  B.Raw("TPF0").Short("TSeSkinObject").Short("Caption");
  B.Short("Font.Height").Byte(2).Byte(-11 & 0xFF);
  B.Short("Width").Byte(3).Byte(0x2C).Byte(0x01); // 300
  B.Short("Tag").Byte(4).Int32(70000);
  B.Short("Text").Byte(6).Short("it's");
  B.Short("Align").Byte(7).Short("saTop");
  B.Short("Visible").Byte(9);
  B.Short("Enabled").Byte(8);
  B.Short("Font.Style").Byte(11).Short("fsBold").Short("fsItalic").Short("");
  B.Short("Anchors").Byte(11).Short("");
  B.Short("Long").Byte(12).Int32(300).Raw(Long);
  B.Short("Lines").Byte(6).Short("a\r\nb");
  B.Short("Objects").Byte(10).Int32(40).Raw(Binary);
  B.Byte(0);
  B.Short("TSeBitmapObject").Short("Child").Short("Left").Byte(2).Byte(5).Byte(0).Byte(0);
  B.Byte(0);
  return B;
}

TEST(PropertyText, BinaryBecomesTheExactText) {
  const std::string Expected =
      "object Caption: TSeSkinObject\r\n"
      "  Font.Height = -11\r\n"
      "  Width = 300\r\n"
      "  Tag = 70000\r\n"
      "  Text = 'it''s'\r\n"
      "  Align = saTop\r\n"
      "  Visible = True\r\n"
      "  Enabled = False\r\n"
      "  Font.Style = [fsBold, fsItalic]\r\n"
      "  Anchors = []\r\n"
      "  Long = '" +
      std::string(300, 'x') +
      "'\r\n"
      "  Lines = 'a'#13#10'b'\r\n"
      "  Objects = {\r\n"
      "    00070E151C232A31383F464D545B626970777E858C939AA1A8AFB6BDC4CBD2D9\r\n"
      "    E0E7EEF5FC030A11}\r\n"
      "  object Child: TSeBitmapObject\r\n"
      "    Left = 5\r\n"
      "  end\r\n"
      "end\r\n";
  EXPECT_EQ(ToText(Sample()), Expected);
}

TEST(PropertyText, RoundTripsBothWays) {
  const TBytes Bytes = Sample();
  const std::string Text = ToText(Bytes);
  EXPECT_EQ(ToBinary(Text), Bytes.Data);
  EXPECT_EQ(ToText(TBytes{ToBinary(Text)}), Text);
}

TEST(PropertyText, IntegersTakeTheSmallestType) {
  const std::string Bytes =
      ToBinary("object A: B\r\n  P = -128\r\n  Q = 128\r\n  R = -32769\r\nend\r\n");
  const std::string Expected = TBytes()
                                   .Raw("TPF0")
                                   .Short("B")
                                   .Short("A")
                                   .Short("P")
                                   .Byte(2)
                                   .Byte(0x80)
                                   .Short("Q")
                                   .Byte(3)
                                   .Byte(0x80)
                                   .Byte(0)
                                   .Short("R")
                                   .Byte(4)
                                   .Int32(-32769)
                                   .Byte(0)
                                   .Byte(0)
                                   .Data;
  EXPECT_EQ(Bytes, Expected);
  // A string over 255 bytes is a long string.
  const std::string Long =
      ToBinary("object A: B\r\n  S = '" + std::string(256, 'y') + "'\r\nend\r\n");
  EXPECT_EQ(static_cast<uint8_t>(Long[4 + 2 + 2 + 2]), 12);
}

TEST(PropertyText, BadBinaryIsRefused) {
  const auto Refused = [](const TBytes& Bytes) -> std::string {
    try {
      ToText(Bytes);
    } catch (const Exception& E) {
      return E.Message();
    }
    return "accepted";
  };
  EXPECT_EQ(Refused(TBytes().Raw("TPF1").Short("A").Short("B").Byte(0).Byte(0)),
            "Invalid stream format");
  EXPECT_EQ(Refused(TBytes().Raw("TPF0").Short("A")), "Stream read error");
  EXPECT_EQ(Refused(TBytes().Raw("TPF0").Short("A").Short("B").Short("P").Byte(5)),
            "Unknown property value type 5");
  // A length far beyond the data is refused before anything is allocated.
  EXPECT_EQ(
      Refused(TBytes().Raw("TPF0").Short("A").Short("B").Short("P").Byte(12).Int32(0x7FFFFFFF)),
      "Stream read error");
  EXPECT_EQ(Refused(TBytes().Raw("TPF0").Short("A").Short("B").Short("P").Byte(10).Int32(-1)),
            "Stream read error");
  // Names the text form could not spell are refused rather than written garbled.
  EXPECT_EQ(Refused(TBytes().Raw("TPF0").Short("A").Short("B").Short("Two words").Byte(9)),
            "Invalid name in property stream");
  EXPECT_EQ(Refused(TBytes().Raw("TPF0").Short("A").Short("B").Short("P").Byte(7).Short(
                std::string("a\0b", 3))),
            "Invalid name in property stream");
  EXPECT_EQ(ToText(TBytes().Raw("TPF0").Short("A").Short("").Byte(0).Byte(0)),
            "object : A\r\nend\r\n");
  EXPECT_EQ(ToBinary("object : A\r\nend\r\n"),
            TBytes().Raw("TPF0").Short("A").Short("").Byte(0).Byte(0).Data);
  TBytes Deep;
  Deep.Raw("TPF0").Short("A").Short("B").Byte(0);
  for (int I = 0; I < 100; ++I)
    Deep.Short("C").Short("D").Byte(0);
  EXPECT_EQ(Refused(Deep), "Objects are nested too deeply");
}

TEST(PropertyText, BadTextNamesItsLine) {
  const auto Refused = [](const std::string& Text) -> std::string {
    try {
      ToBinary(Text);
    } catch (const EParserError& E) {
      return E.Message();
    }
    return "accepted";
  };
  EXPECT_EQ(Refused("thing A: B\r\nend\r\n"), "Line 1: 'object' expected");
  EXPECT_EQ(Refused("object A: B\r\n  P 5\r\nend\r\n"), "Line 2: '=' expected");
  EXPECT_EQ(Refused("object A: B\r\n  P = 'open\r\nend\r\n"), "Line 2: unterminated string");
  EXPECT_EQ(Refused("object A: B\r\n  P = {0A1}\r\nend\r\n"),
            "Line 2: odd number of hexadecimal digits");
  EXPECT_EQ(Refused("object A: B\r\n  P = 99999999999\r\nend\r\n"), "Line 2: integer expected");
  EXPECT_EQ(Refused("object A: B\r\n  P = 1\r\n"), "Line 3: 'end' expected");
}

} // namespace
