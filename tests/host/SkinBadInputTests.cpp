// Skins are files people download and pass around: whatever they hold, reading either
// succeeds or raises an error, never allocates without bound, and leaves the source usable.

#include <gtest/gtest.h>
#include <random>

#include "SkinSamples.h"
#include "skin/SkinFilters.h"
#include "skin/SkinKinds.h"
#include "skin/SkinObjectStream.h"
#include "skin/SkinRegistry.h"
#include "toolkit/PropertyStream.h"

namespace {

void Load(const std::string& Extension, const std::vector<uint8_t>& Bytes, TSeSkinSource& Source) {
  auto Filter = FindSkinFilter("x." + Extension)->Create();
  Filter->Source = &Source;
  TMemoryStream Stream(Bytes);
  Filter->LoadFromStream(Stream);
}

// Whatever a failed load left must still answer every question.
void ExpectUsable(TSeSkinSource& Source) {
  for (int I = 0; I < Source.ObjectCount(); ++I) {
    TSeSkinObject* Object = Source.GetObject(I);
    ASSERT_NE(Object, nullptr);
    Object->FindObject("Client");
    Object->SetBounds({0, 0, 50, 40});
  }
  Source.GetFormObject();
  Source.ChangeHue(5);
  for (int I = 0; I < Source.Bitmaps().Count(); ++I)
    ASSERT_NE(Source.Bitmaps().GetBitmap(I), nullptr);
}

// The standard body around the given object records.
std::vector<uint8_t> Body(int32_t BitmapCount, int32_t ObjectCount,
                          const std::vector<uint8_t>& Records) {
  TMemoryStream Stream;
  for (const char* Text : {"Name", "1", "", "", ""})
    WriteString(Stream, Text);
  Stream.WriteInt32(BitmapCount);
  Stream.WriteInt32(ObjectCount);
  Stream.WriteBuffer(Records.data(), static_cast<int64_t>(Records.size()));
  return Stream.Bytes();
}

std::vector<uint8_t> TextRecord(const std::string& ClassName, const std::string& Name) {
  TMemoryStream Stream;
  WriteString(Stream, ClassName);
  WriteString(Stream, "object " + Name + ": " + ClassName + "\r\n  Width = 7\r\nend\r\n");
  return Stream.Bytes();
}

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> Parts) {
  std::vector<uint8_t> All;
  for (const auto& Part : Parts)
    All.insert(All.end(), Part.begin(), Part.end());
  return All;
}

class TruncationTest : public ::testing::TestWithParam<std::string> {};

TEST_P(TruncationTest, EveryCutRaisesAnErrorAndLeavesAUsableSource) {
  const std::vector<uint8_t> Whole = SampleSkinBytes(GetParam(), 4);
  const size_t Step = std::max<size_t>(1, Whole.size() / 300);
  for (size_t Cut = 0; Cut < Whole.size(); Cut += (Whole.size() - Cut < 64 ? 1 : Step)) {
    TSeSkinSource Source;
    EXPECT_THROW(Load(GetParam(), std::vector<uint8_t>(Whole.begin(), Whole.begin() + Cut), Source),
                 Exception)
        << GetParam() << " cut at " << Cut << " of " << Whole.size();
    ExpectUsable(Source);
  }
}

INSTANTIATE_TEST_SUITE_P(AllForms, TruncationTest,
                         ::testing::Values("uskn", "qzkn", "xskn", "mskn"));

TEST(SkinBadInput, CountsAreCheckedBeforeAnythingIsMade) {
  for (int32_t Count : {-1, 0x7FFFFFFF, 1000}) {
    TSeSkinSource Source;
    EXPECT_THROW(Load("uskn", Body(0, Count, {}), Source), EReadError) << Count;
    EXPECT_THROW(Load("uskn", Body(Count, 0, {}), Source), EReadError) << Count;
  }
  // A marked count must stay below 65536: bitmaps of the max body, and children.
  for (int32_t Marked : {0x1F0000, 0x7FFF0000 | 0xF0000, int32_t(0xFFFFFFFF)}) {
    TMemoryStream Stream;
    Stream.WriteInt32(Marked);
    Stream.SetPosition(0);
    EXPECT_THROW(ReadMarkedCount(Stream), EReadError) << Marked;
  }
  TMemoryStream Fine;
  Fine.WriteInt32(0xFFFFF);
  Fine.SetPosition(0);
  const TMarkedCount Largest = ReadMarkedCount(Fine);
  EXPECT_TRUE(Largest.Marked);
  EXPECT_EQ(Largest.Count, 0xFFFF);

  // A bitmap claiming more pixels than the file holds.
  TMemoryStream Huge;
  for (const char* Text : {"", "", "", "", ""})
    WriteString(Huge, Text);
  Huge.WriteInt32(1);
  WriteString(Huge, "big");
  Huge.WriteInt32(30000);
  Huge.WriteInt32(30000);
  Huge.WriteInt32(0);
  TSeSkinSource Source;
  EXPECT_THROW(Load("uskn", Huge.Bytes(), Source), EReadError);
}

TEST(SkinBadInput, UnknownClassesArePassedOverWholeAndListed) {
  // Top level: a text record of an unknown class between two known ones.
  const std::vector<uint8_t> Records =
      Concat({TextRecord("TSeSkinObject", "First"), TextRecord("TSeSparkle", "Odd"),
              TextRecord("TSeTextObject", "Last")});
  TSeSkinSource Source;
  Load("uskn", Body(0, 3, Records), Source);
  ASSERT_EQ(Source.ObjectCount(), 2);
  EXPECT_EQ(Source.GetObject(1)->Name(), "Last");
  EXPECT_EQ(Source.GetObject(1)->Width(), 7);

  // Children: a binary record of an unknown class among known ones.
  TSeSkinObject Parent(nullptr);
  Parent.SetName("Parent");
  class TSeGhost : public TSeSkinObject {
  public:
    using TSeSkinObject::TSeSkinObject;
    std::string ClassName() const override { return "TSeGhost"; }
  };
  for (const char* Name : {"A", "Ghost", "B"}) {
    std::unique_ptr<TSeSkinObject> Child;
    if (std::string(Name) == "Ghost")
      Child = std::make_unique<TSeGhost>(&Parent);
    else
      Child = std::make_unique<TSeBitmapObject>(&Parent);
    Child->SetName(Name);
    Parent.InsertComponent(std::move(Child));
  }
  TMemoryStream Record;
  WriteSkinObjectBinary(Record, Parent);
  TSeSkinSource WithChildren;
  auto Bytes = Record.Bytes();
  Load(
      "mskn",
      [&] {
        TMemoryStream Max;
        for (const char* Text : {"", "", "", "", ""})
          WriteString(Max, Text);
        Max.WriteInt32(BinaryCountMark);
        Max.WriteInt32(1);
        Max.WriteBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
        TMemoryStream File;
        File.WriteBuffer("QZLZ", 4);
        TCompressionStream Deflate(TCompressionLevel::clMax, File);
        Deflate.WriteBuffer(Max.Bytes().data(), Max.Size());
        Deflate.Finish();
        return File.Bytes();
      }(),
      WithChildren);
  TSeSkinObject* Read = WithChildren.FindObject("Parent");
  ASSERT_NE(Read, nullptr);
  ASSERT_EQ(Read->ChildCount(), 2);
  EXPECT_EQ(Read->GetChild(1)->Name(), "B");
  EXPECT_EQ(WithChildren.SkippedClasses(), std::vector<std::string>{"TSeGhost"});

  // The same through a source's own load, which keeps the list.
  TSeSkinSource Listed;
  TMemoryStream Compressed;
  {
    Compressed.WriteBuffer("QZLZ", 4);
    TCompressionStream Deflate(TCompressionLevel::clFastest, Compressed);
    const auto Plain = Body(0, 3, Records);
    Deflate.WriteBuffer(Plain.data(), static_cast<int64_t>(Plain.size()));
  }
  Compressed.SetPosition(0);
  Listed.LoadFromStream(Compressed);
  EXPECT_EQ(Listed.SkippedClasses(), std::vector<std::string>{"TSeSparkle"});
}

TEST(SkinBadInput, DeepNestingIsRefused) {
  const auto Chain = [](int Depth) {
    auto Root = std::make_unique<TSeSkinObject>(nullptr);
    TSeSkinObject* Last = Root.get();
    for (int I = 1; I < Depth; ++I) {
      auto Child = std::make_unique<TSeSkinObject>(Last);
      TSeSkinObject* Next = Child.get();
      Last->InsertComponent(std::move(Child));
      Last = Next;
    }
    TMemoryStream Record;
    WriteSkinObjectBinary(Record, *Root);
    Record.SetPosition(0);
    return Record;
  };
  TMemoryStream Deepest = Chain(MaxSkinObjectDepth);
  EXPECT_NE(ReadSkinObjectBinary(Deepest, nullptr), nullptr);
  TMemoryStream TooDeep = Chain(MaxSkinObjectDepth + 1);
  EXPECT_THROW(ReadSkinObjectBinary(TooDeep, nullptr), EReadError);
  // The guard is released on the way out: a normal read works afterwards.
  TMemoryStream Again = Chain(3);
  EXPECT_NE(ReadSkinObjectBinary(Again, nullptr), nullptr);
}

TEST(SkinBadInput, InflatingStopsAtTheLimit) {
  const std::vector<uint8_t> Zeros(3 << 20, 0); // 3 MB of zeros deflate to about 3 KB
  TMemoryStream Compressed;
  {
    TCompressionStream Deflate(TCompressionLevel::clMax, Compressed);
    Deflate.WriteBuffer(Zeros.data(), static_cast<int64_t>(Zeros.size()));
  }
  EXPECT_LT(Compressed.Size(), 10000);
  Compressed.SetPosition(0);
  EXPECT_THROW(InflateSkinBody(Compressed, 1 << 20), EDecompressionError);
  Compressed.SetPosition(0);
  EXPECT_EQ(InflateSkinBody(Compressed, 3 << 20).size(), Zeros.size()); // exactly the limit
  Compressed.SetPosition(0);
  EXPECT_THROW(InflateSkinBody(Compressed, (3 << 20) - 1), EDecompressionError);
}

TEST(SkinBadInput, AFailedLoadKeepsWhatWasReadBeforeIt) {
  std::vector<uint8_t> Records =
      Concat({TextRecord("TSeSkinObject", "Kept"), TextRecord("TSeSkinObject", "Broken")});
  Records.resize(Records.size() - 10);
  TSeSkinSource Source;
  BuildSampleSkin(Source, 4);
  EXPECT_THROW(Load("uskn", Body(0, 2, Records), Source), Exception);
  EXPECT_EQ(Source.SkinName, "Name"); // the old skin is gone: loading starts with a clear
  ASSERT_EQ(Source.ObjectCount(), 1);
  EXPECT_EQ(Source.FindObject("kept"), Source.GetObject(0));
  ExpectUsable(Source);
}

TEST(SkinBadInput, TheMagicIsNotCheckedButTheDataIs) {
  std::vector<uint8_t> Compressed = SampleSkinBytes("qzkn", 4);
  Compressed[0] = 'X';
  TSeSkinSource Source;
  Load("qzkn", Compressed, Source);
  EXPECT_EQ(Source.ObjectCount(), 3);
  TSeSkinSource Plain;
  EXPECT_THROW(Load("qzkn", SampleSkinBytes("uskn", 4), Plain), EDecompressionError);
}

TEST(SkinBadInput, RandomBytesInEveryFormLoadOrRaise) {
  std::mt19937 Random(7);
  const std::vector<uint8_t> Seed = SampleSkinBytes("uskn", 4);
  for (int Round = 0; Round < 300; ++Round) {
    std::vector<uint8_t> Bytes = Seed;
    for (int Flip = 0; Flip < 1 + Round % 8; ++Flip)
      Bytes[Random() % Bytes.size()] = static_cast<uint8_t>(Random());
    TSeSkinSource Source;
    try {
      Load("uskn", Bytes, Source);
    } catch (const Exception&) {
    }
    ExpectUsable(Source);
  }
}

} // namespace

// ---------------------------------------------------------------------------------------
// Bitmap references far larger than their bitmap

#include "skin/SkinObjects.h"

namespace {

std::string BitmapObjectText(const std::string& Name, const TRect& Link) {
  return "object " + Name + ": TSeBitmapObject\r\n" +
         "  MarginLeft = 2\r\n  MarginRight = 2\r\n  MarginTop = 2\r\n  MarginBottom = 2\r\n" +
         "  Bitmap.Name = 'top'\r\n  Bitmap.Left = " + std::to_string(Link.Left) +
         "\r\n  Bitmap.Top = " + std::to_string(Link.Top) + "\r\n  Bitmap.Right = " +
         std::to_string(Link.Right) + "\r\n  Bitmap.Bottom = " + std::to_string(Link.Bottom) +
         "\r\nend\r\n";
}

TEST(SkinBadInputLinks, AReferenceFarLargerThanItsBitmapBindsAtOnce) {
  // A 4 x 4 opaque bitmap; one object refers to it exactly, one to the whole coordinate
  // range (with margins, so no early exit at the first hole). Binding looks at the bitmap's
  // pixels, not at 2^64 positions, and sums the bands without overflowing.
  TMemoryStream Body;
  for (const char* Text : {"Huge", "1", "", "", ""})
    WriteString(Body, Text);
  Body.WriteInt32(1);
  TseBitmap Bitmap;
  Bitmap.Name = "top";
  Bitmap.SetSize(4, 4);
  Bitmap.Clear(0xFF336699);
  Bitmap.SaveToStream(Body);
  Body.WriteInt32(2);
  WriteString(Body, "TSeBitmapObject");
  WriteString(Body, BitmapObjectText("Exact", {0, 0, 4, 4}));
  WriteString(Body, "TSeBitmapObject");
  WriteString(Body, BitmapObjectText("Huge", {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}));

  TSeSkinSource Source;
  auto Filter = FindSkinFilter("x.uskn")->Create();
  Filter->Source = &Source;
  TMemoryStream Stream(Body.Bytes());
  Filter->LoadFromStream(Stream);
  ASSERT_EQ(Source.ObjectCount(), 2);

  const auto* Exact = dynamic_cast<TSeBitmapObject*>(Source.FindObject("Exact"));
  ASSERT_NE(Exact, nullptr);
  EXPECT_EQ(Exact->Bitmap->Image, Source.Bitmaps().GetBitmap(0));
  EXPECT_FALSE(Exact->Bitmap->Masked || Exact->Bitmap->MaskedBorder ||
               Exact->Bitmap->MaskedAngles);
  // Positions outside the bitmap count as holes, in every band.
  const auto* Huge = dynamic_cast<TSeBitmapObject*>(Source.FindObject("Huge"));
  ASSERT_NE(Huge, nullptr);
  EXPECT_EQ(Huge->Bitmap->Rect.Right, INT32_MAX);
  EXPECT_TRUE(Huge->Bitmap->Masked && Huge->Bitmap->MaskedBorder &&
              Huge->Bitmap->MaskedAngles);
}

} // namespace
