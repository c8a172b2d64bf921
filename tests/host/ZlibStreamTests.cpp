// The deflating and inflating streams against zlib itself.

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <zlib.h>

#include "skin/ZlibStreams.h"

namespace {

std::vector<uint8_t> Sample(size_t Size, bool Random) {
  std::vector<uint8_t> Data(Size);
  std::mt19937 Generator(5);
  for (size_t I = 0; I < Size; ++I)
    Data[I] = Random ? static_cast<uint8_t>(Generator()) : static_cast<uint8_t>(I % 251 / 7);
  return Data;
}

// "QZLZ" and then the deflated bytes, as the compressed skin forms lie.
TMemoryStream Compressed(const std::vector<uint8_t>& Data, TCompressionLevel Level) {
  TMemoryStream Out;
  Out.WriteBuffer("QZLZ", 4);
  {
    TCompressionStream Deflate(Level, Out);
    Deflate.WriteBuffer(Data.data(), static_cast<int64_t>(Data.size()));
    EXPECT_EQ(Deflate.Position(), static_cast<int64_t>(Data.size()));
  }
  return Out;
}

TEST(ZlibStreams, DeflateMatchesZlibAndInflatesBack) {
  const std::vector<uint8_t> Data = Sample(100000, false);
  for (auto [Level, ZlibLevel, Second] :
       {std::tuple{TCompressionLevel::clFastest, 1, 0x01}, {TCompressionLevel::clMax, 9, 0xDA}}) {
    TMemoryStream Out = Compressed(Data, Level);
    const std::vector<uint8_t>& Bytes = Out.Bytes();
    ASSERT_GT(Bytes.size(), 6u);
    EXPECT_EQ(std::string(Bytes.begin(), Bytes.begin() + 4), "QZLZ");
    EXPECT_EQ(Bytes[4], 0x78);
    EXPECT_EQ(Bytes[5], Second);
    std::vector<uint8_t> Reference(compressBound(Data.size()));
    uLongf Size = Reference.size();
    ASSERT_EQ(compress2(Reference.data(), &Size, Data.data(), Data.size(), ZlibLevel), Z_OK);
    Reference.resize(Size);
    EXPECT_EQ(std::vector<uint8_t>(Bytes.begin() + 4, Bytes.end()), Reference);

    Out.SetPosition(4);
    TDecompressionStream Inflate(Out);
    std::vector<uint8_t> Back(Data.size());
    Inflate.ReadBuffer(Back.data(), static_cast<int64_t>(Back.size()));
    EXPECT_EQ(Back, Data);
    uint8_t Extra;
    EXPECT_EQ(Inflate.Read(&Extra, 1), 0); // the end: what there was
  }
}

TEST(ZlibStreams, SeekingRulesAndTheRememberedPosition) {
  const std::vector<uint8_t> Data = Sample(50000, false);
  TMemoryStream Out = Compressed(Data, TCompressionLevel::clDefault);
  Out.SetPosition(4);
  TDecompressionStream Inflate(Out);
  uint8_t Byte = 0;
  EXPECT_EQ(Inflate.Seek(1000, TSeekOrigin::soCurrent), 1000);
  Inflate.ReadBuffer(&Byte, 1);
  EXPECT_EQ(Byte, Data[1000]);
  EXPECT_EQ(Inflate.Seek(30000, TSeekOrigin::soBeginning), 30000);
  Out.SetPosition(0); // someone else moves the source in between
  Inflate.ReadBuffer(&Byte, 1);
  EXPECT_EQ(Byte, Data[30000]);
  // Back to the start means the start of the compressed data, after the 4-byte header.
  EXPECT_EQ(Inflate.Seek(0, TSeekOrigin::soBeginning), 0);
  Inflate.ReadBuffer(&Byte, 1);
  EXPECT_EQ(Byte, Data[0]);
  const auto Invalid = [](auto Action) {
    try {
      Action();
    } catch (const EDecompressionError& E) {
      return E.Message() == "Invalid stream operation";
    }
    return false;
  };
  EXPECT_EQ(Inflate.Seek(20, TSeekOrigin::soBeginning), 20);
  EXPECT_TRUE(Invalid([&] { Inflate.Seek(10, TSeekOrigin::soBeginning); })); // backward
  EXPECT_TRUE(Invalid([&] { Inflate.Seek(-1, TSeekOrigin::soCurrent); }));
  EXPECT_TRUE(Invalid([&] { Inflate.Seek(0, TSeekOrigin::soEnd); }));
  EXPECT_TRUE(Invalid([&] { Inflate.Write(&Byte, 1); }));
  EXPECT_TRUE(Invalid([&] { (void)Inflate.Size(); }));

  TMemoryStream Sink;
  TCompressionStream Deflate(TCompressionLevel::clFastest, Sink);
  try {
    Deflate.Read(&Byte, 1);
    FAIL() << "read from a deflating stream";
  } catch (const EZlibError& E) {
    EXPECT_EQ(E.Message(), "Invalid stream operation");
  }
  EXPECT_THROW(Deflate.Seek(1, TSeekOrigin::soCurrent), ECompressionError);
}

TEST(ZlibStreams, DamagedAndShortData) {
  const std::vector<uint8_t> Data = Sample(20000, false);
  TMemoryStream Out = Compressed(Data, TCompressionLevel::clMax);
  std::vector<uint8_t> Bytes = Out.Bytes();
  Bytes[4] = 0x00; // not a zlib header
  TMemoryStream Damaged(Bytes);
  Damaged.SetPosition(4);
  TDecompressionStream Inflate(Damaged);
  std::vector<uint8_t> Back(100);
  try {
    Inflate.Read(Back.data(), 100);
    FAIL() << "damaged data inflated";
  } catch (const EDecompressionError& E) {
    EXPECT_EQ(E.Message(), "error");
  }

  std::vector<uint8_t> Short(Out.Bytes().begin(), Out.Bytes().begin() + 40);
  TMemoryStream Truncated(Short);
  Truncated.SetPosition(4);
  TDecompressionStream Partial(Truncated);
  std::vector<uint8_t> Whole(Data.size());
  const int64_t Got = Partial.Read(Whole.data(), static_cast<int64_t>(Whole.size()));
  EXPECT_LT(Got, static_cast<int64_t>(Data.size())); // as much as there was
  EXPECT_TRUE(std::equal(Whole.begin(), Whole.begin() + Got, Data.begin()));
  EXPECT_THROW(Partial.ReadBuffer(Whole.data(), 1), EReadError);
}

TEST(ZlibStreams, ProgressAfterEachBuffer) {
  const std::vector<uint8_t> Data = Sample(100000, true); // does not shrink
  TMemoryStream Out;
  int Calls = 0;
  {
    TCompressionStream Deflate(TCompressionLevel::clFastest, Out);
    Deflate.OnProgress = [&](TStream&) { ++Calls; };
    Deflate.WriteBuffer(Data.data(), static_cast<int64_t>(Data.size()));
  }
  const int Buffers = static_cast<int>((Out.Bytes().size() + 8191) / 8192);
  EXPECT_EQ(Calls, Buffers);
  Out.SetPosition(0);
  TDecompressionStream Inflate(Out);
  int Reads = 0;
  Inflate.OnProgress = [&](TStream&) { ++Reads; };
  std::vector<uint8_t> Back(Data.size());
  Inflate.ReadBuffer(Back.data(), static_cast<int64_t>(Back.size()));
  EXPECT_EQ(Back, Data);
  EXPECT_EQ(Reads, Buffers);
}

} // namespace
