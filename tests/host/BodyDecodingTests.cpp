// The two decoding steps every compressed skin goes through on loading: the inflated body,
// read in large steps, and the hexadecimal values of text records.

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "skin/SkinFilters.h"
#include "skin/ZlibStreams.h"
#include "toolkit/PropertyText.h"

namespace {

// Bytes that deflate well but not to nothing: runs of a slowly changing pattern.
std::vector<uint8_t> Pattern(size_t Size) {
  std::vector<uint8_t> Bytes(Size);
  uint32_t Seed = 12345;
  for (size_t I = 0; I < Size; ++I) {
    if (I % 64 == 0)
      Seed = Seed * 1103515245u + 12345u;
    Bytes[I] = static_cast<uint8_t>((Seed >> 16) + I % 7);
  }
  return Bytes;
}

std::vector<uint8_t> Deflated(const std::vector<uint8_t>& Body) {
  TMemoryStream Stream;
  {
    TCompressionStream Deflater(TCompressionLevel::clFastest, Stream);
    Deflater.WriteBuffer(Body.data(), static_cast<int64_t>(Body.size()));
  }
  return Stream.Bytes();
}

std::vector<uint8_t> Inflate(std::vector<uint8_t> Bytes, int64_t Limit = MaxSkinBodySize) {
  TMemoryStream Stream(std::move(Bytes));
  return InflateSkinBody(Stream, Limit);
}

TEST(BodyDecoding, BodiesOfManyStepsInflateWhole) {
  // Larger than one output step and than one input step, and a size that ends mid-step.
  for (size_t Size : {size_t{0}, size_t{1}, size_t{70000}, size_t{1234567}}) {
    const std::vector<uint8_t> Body = Pattern(Size);
    const std::vector<uint8_t> Zlib = Deflated(Body);
    EXPECT_EQ(Inflate(Zlib), Body) << Size;
    // What follows the zlib stream is no part of the body.
    std::vector<uint8_t> Followed = Zlib;
    Followed.insert(Followed.end(), 100000, 0xAB);
    EXPECT_EQ(Inflate(Followed), Body) << Size;
  }
}

TEST(BodyDecoding, DamagedStreamsRaise) {
  EXPECT_THROW(Inflate({'n', 'o', 't', ' ', 'z', 'l', 'i', 'b'}), EDecompressionError);
  // Damage past the first steps: found only once the steps before were inflated.
  const std::vector<uint8_t> Body = Pattern(600000);
  std::vector<uint8_t> Damaged = Deflated(Body);
  Damaged[Damaged.size() / 2] ^= 0xFF;
  Damaged[Damaged.size() / 2 + 1] ^= 0x55;
  EXPECT_THROW(Inflate(Damaged), EDecompressionError);
}

TEST(BodyDecoding, TheLimitHoldsAcrossSteps) {
  const std::vector<uint8_t> Body = Pattern(300001);
  const std::vector<uint8_t> Zlib = Deflated(Body);
  EXPECT_EQ(Inflate(Zlib, 300001).size(), Body.size());
  for (int64_t Limit : {300000, 262144, 1000, 0}) {
    try {
      Inflate(Zlib, Limit);
      ADD_FAILURE() << "a body over " << Limit << " bytes was accepted";
    } catch (const EDecompressionError& E) {
      EXPECT_EQ(E.Message(), "Skin data is too large") << Limit;
    }
  }
}

// The binary value of property P in the text form, as ObjectTextToBinary writes it.
std::string BinaryValue(const std::string& Value) {
  TMemoryStream Stream;
  ObjectTextToBinary("object A: B\r\n  P = " + Value + "\r\nend\r\n", Stream);
  const std::string Bytes(Stream.Bytes().begin(), Stream.Bytes().end());
  const std::string Head = std::string("TPF0\x01"
                                       "B\x01"
                                       "A\x01"
                                       "P\x0A",
                                       11);
  EXPECT_EQ(Bytes.substr(0, Head.size()), Head);
  EXPECT_EQ(Bytes.substr(Bytes.size() - 2), std::string(2, '\0'));
  const std::string Payload = Bytes.substr(Head.size(), Bytes.size() - Head.size() - 2);
  const auto Length = static_cast<uint32_t>(
      static_cast<uint8_t>(Payload[0]) | static_cast<uint8_t>(Payload[1]) << 8 |
      static_cast<uint8_t>(Payload[2]) << 16 | static_cast<uint8_t>(Payload[3]) << 24);
  EXPECT_EQ(Length, Payload.size() - 4);
  return Payload.substr(4);
}

std::string Refused(const std::string& Value) {
  try {
    BinaryValue(Value);
  } catch (const EParserError& E) {
    return E.Message();
  }
  return "accepted";
}

TEST(BodyDecoding, HexValuesDecodeWhereverTheirLinesBreak) {
  std::string All, Upper, Lower;
  for (int Byte = 0; Byte < 256; ++Byte) {
    All += static_cast<char>(Byte);
    static const char Digits[] = "0123456789ABCDEF", Small[] = "0123456789abcdef";
    Upper += {Digits[Byte >> 4], Digits[Byte & 15]};
    Lower += {Small[Byte >> 4], Small[Byte & 15]};
  }
  EXPECT_EQ(BinaryValue("{" + Upper + "}"), All);
  EXPECT_EQ(BinaryValue("{" + Lower + "}"), All);
  EXPECT_EQ(BinaryValue("{}"), "");
  EXPECT_EQ(BinaryValue("{ }"), "");
  // Blanks and line ends between pairs and inside them.
  EXPECT_EQ(BinaryValue("{\r\n    0aFf\r\n    1\r\n    2 3\t4 }"), "\x0A\xFF\x12\x34");
  EXPECT_EQ(BinaryValue("{A B}"), "\xAB");
}

TEST(BodyDecoding, BadHexValuesNameTheirLine) {
  EXPECT_EQ(Refused("{0A1}"), "Line 2: odd number of hexadecimal digits");
  EXPECT_EQ(Refused("{0\r\n1 2}"), "Line 3: odd number of hexadecimal digits");
  EXPECT_EQ(Refused("{0\r\n1 2\r\n}"), "Line 4: odd number of hexadecimal digits");
  EXPECT_EQ(Refused("{0G}"), "Line 2: hexadecimal digit expected");
  EXPECT_EQ(Refused("{00\r\n  0x}"), "Line 3: hexadecimal digit expected");
  EXPECT_EQ(Refused("{00-11}"), "Line 2: hexadecimal digit expected");
  TMemoryStream Stream;
  try {
    ObjectTextToBinary("object A: B\r\n  P = {0011\r\n  22", Stream);
    ADD_FAILURE() << "an unclosed value was accepted";
  } catch (const EParserError& E) {
    EXPECT_EQ(E.Message(), "Line 3: '}' expected");
  }
}

} // namespace
