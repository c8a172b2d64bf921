// The two decoding steps every compressed skin goes through on loading: the inflated body,
// read in large steps, and the hexadecimal values of text records.

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "skin/Adler32.h"
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

// A stream that hands out at most Step bytes per read.
class TTrickleStream : public TMemoryStream {
public:
  TTrickleStream(std::vector<uint8_t> Bytes, int64_t Step)
      : TMemoryStream(std::move(Bytes)), FStep(Step) {}
  int64_t Read(void* Buffer, int64_t Count) override {
    return TMemoryStream::Read(Buffer, std::min(Count, FStep));
  }

private:
  int64_t FStep;
};

TEST(BodyDecoding, ChecksumsMatchZlibsAtEveryLengthAndStart) {
  // Lengths around the sixteen-byte groups and the blocks between reductions; bytes of
  // all 255 give the largest sums.
  std::vector<uint8_t> Random = Pattern(40000), Full(40000, 0xFF);
  for (const std::vector<uint8_t>* Bytes : {&Random, &Full})
    for (size_t Size : {0, 1, 15, 16, 17, 31, 33, 5551, 5552, 5553, 5568, 11104, 40000})
      for (uint32_t Start : {1u, 0u, 0xFFF0FFF0u, 0x12345678u}) {
        const uint32_t Expected =
            static_cast<uint32_t>(adler32(Start, Bytes->data(), static_cast<uInt>(Size)));
        EXPECT_EQ(Adler32(Start, Bytes->data(), Size), Expected) << Size << " " << Start;
      }
  // Any split gives the sum of the whole.
  const uint32_t Whole = Adler32(1, Random.data(), Random.size());
  for (size_t Split : {1, 7, 16, 5553, 39999})
    EXPECT_EQ(
        Adler32(Adler32(1, Random.data(), Split), Random.data() + Split, Random.size() - Split),
        Whole);
}

TEST(BodyDecoding, TheChecksumIsTestedHoweverTheReadsSplitIt) {
  const std::vector<uint8_t> Body = Pattern(70000);
  const std::vector<uint8_t> Zlib = Deflated(Body);
  for (int64_t Step : {1, 3, 5, 4096}) {
    TTrickleStream Whole(Zlib, Step);
    EXPECT_EQ(InflateSkinBody(Whole), Body) << Step;
    // Each byte of the checksum changed.
    for (size_t Back = 1; Back <= 4; ++Back) {
      std::vector<uint8_t> Damaged = Zlib;
      Damaged[Damaged.size() - Back] ^= 0x01;
      TTrickleStream Stream(Damaged, Step);
      EXPECT_THROW(InflateSkinBody(Stream), EDecompressionError) << Step << " " << Back;
    }
    // Cut inside the checksum.
    TTrickleStream Cut(std::vector<uint8_t>(Zlib.begin(), Zlib.end() - 2), Step);
    EXPECT_THROW(InflateSkinBody(Cut), EReadError) << Step;
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
