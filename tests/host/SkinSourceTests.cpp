// Skins through their four file forms and the stored form: what is written, what is read
// back, and what a source does with lookups, files and hue.

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "SkinSamples.h"
#include "gfx/Pixels.h"
#include "skin/SkinFilters.h"
#include "skin/SkinKinds.h"
#include "skin/SkinObjectStream.h"
#include "skin/SkinRegistry.h"
#include "toolkit/ModuleInfo.h"
#include "toolkit/PropertyStream.h"
#include "toolkit/SysUtils.h"

namespace {

std::vector<uint8_t> SaveWith(const std::string& Extension, TSeSkinSource& Source) {
  auto Filter = FindSkinFilter("x." + Extension)->Create();
  Filter->Source = &Source;
  TMemoryStream Stream;
  Filter->SaveToStream(Stream);
  return Stream.Bytes();
}

void LoadWith(const std::string& Extension, const std::vector<uint8_t>& Bytes,
              TSeSkinSource& Source) {
  auto Filter = FindSkinFilter("x." + Extension)->Create();
  Filter->Source = &Source;
  TMemoryStream Stream(Bytes);
  Filter->LoadFromStream(Stream);
}

// Everything a skin holds, as text: headers, bitmaps with their pixels' checksum and flags,
// and each object's stored form.
std::string Describe(const TSeSkinSource& Source) {
  std::string Text = Source.SkinName + "|" + Source.SkinVersion + "|" + Source.Author + "|" +
                     Source.AuthorEMail + "|" + Source.AuthorURL + "\n";
  for (int I = 0; I < Source.Bitmaps().Count(); ++I) {
    const TseBitmap& B = *Source.Bitmaps().GetBitmap(I);
    uint64_t Sum = 0;
    for (int64_t P = 0; P < int64_t{B.Width()} * B.Height(); ++P)
      Sum = Sum * 31 + B.Bits()[P];
    Text += B.Name + " " + std::to_string(B.Width()) + "x" + std::to_string(B.Height()) + " " +
            std::to_string(Sum) + (B.Transparent ? " T" : "") + (B.AlphaBlend ? " A" : "") + "\n";
  }
  for (int I = 0; I < Source.ObjectCount(); ++I)
    Text += ComponentToText(*Source.GetObject(I));
  return Text;
}

class SkinFormsTest : public ::testing::TestWithParam<std::string> {};

TEST_P(SkinFormsTest, ARoundTripKeepsHeadersBitmapsAndObjectTrees) {
  TSeSkinSource Original;
  BuildSampleSkin(Original);
  // What a load produces: key pixels snapped, flags computed, the client never masked.
  TSeSkinSource Expected;
  LoadWith("uskn", SaveWith("uskn", Original), Expected);

  TSeSkinSource Copy;
  LoadWith(GetParam(), SaveWith(GetParam(), Original), Copy);
  EXPECT_EQ(Describe(Copy), Describe(Expected));
  ASSERT_EQ(Copy.ObjectCount(), 3);
  EXPECT_EQ(Copy.Bitmaps().Count(), 3);
  EXPECT_TRUE(Copy.SkippedClasses().empty());

  // References are bound into the new source's own bitmaps.
  auto* Caption = dynamic_cast<TSeActiveBitmap*>(Copy.FindObject("Form")->FindObject("Caption"));
  ASSERT_NE(Caption, nullptr);
  EXPECT_EQ(Caption->Bitmap->Image, Copy.Bitmaps().GetBitmap(0));
  EXPECT_TRUE(Caption->Bitmap->IsValid());
  EXPECT_EQ(Caption->Bitmaps(), &Copy.Bitmaps());
  // Every class of the sample came back as itself.
  TSeSkinObject* Kinds = Copy.FindObject("Kinds");
  ASSERT_EQ(Kinds->ChildCount(), 10);
  for (int I = 0; I < Kinds->ChildCount(); ++I)
    EXPECT_EQ(Kinds->GetChild(I)->ClassName(),
              SkinObjectClasses()[static_cast<size_t>(I) + 7].Name);
}

INSTANTIATE_TEST_SUITE_P(AllForms, SkinFormsTest,
                         ::testing::Values("uskn", "qzkn", "xskn", "mskn"));

TEST(SkinForms, ContainersBeginWithTheMagicAndTheZlibHeaderOfTheirLevel) {
  TSeSkinSource Source;
  BuildSampleSkin(Source);
  for (auto [Extension, Second] : {std::pair{"qzkn", 0x01}, {"xskn", 0xDA}, {"mskn", 0xDA}}) {
    const std::vector<uint8_t> Bytes = SaveWith(Extension, Source);
    ASSERT_GT(Bytes.size(), 6u);
    EXPECT_EQ(std::string(Bytes.begin(), Bytes.begin() + 4), "QZLZ") << Extension;
    EXPECT_EQ(Bytes[4], 0x78) << Extension;
    EXPECT_EQ(Bytes[5], Second) << Extension;
  }
  // The uncompressed form starts with the first header string itself.
  const std::vector<uint8_t> Plain = SaveWith("uskn", Source);
  EXPECT_EQ(std::vector<uint8_t>(Plain.begin(), Plain.begin() + 16),
            (std::vector<uint8_t>{12, 0, 0, 0, 'M', 'i', 'r', 'e', 'v', 'a', 'n', ' ', 'B', 'l',
                                  'u', 'e'}));
}

TEST(SkinForms, TheStandardBodyHoldsTextRecordsAndTheMaxBodyBinaryOnes) {
  TSeSkinSource Source;
  BuildSampleSkin(Source);
  Source.Bitmaps().Clear(); // bitmaps aside, the records come right after the count
  for (const bool Max : {false, true}) {
    TMemoryStream Body;
    TSeSkinFilterMaxCompression MaxFilter;
    TSeSkinFilter Standard;
    TSeSkinFilter& Filter = Max ? MaxFilter : Standard;
    Filter.Source = &Source;
    Filter.WriteSkin(Body);
    Body.SetPosition(0);
    for (int I = 0; I < 5; ++I)
      ReadString(Body);
    EXPECT_EQ(Body.ReadInt32(), Max ? 0xF0000 : 0);
    EXPECT_EQ(Body.ReadInt32(), 3);
    EXPECT_EQ(ReadString(Body), "TSeSkinObject");
    if (Max) {
      const int32_t Size = Body.ReadInt32();
      char Signature[4];
      Body.ReadBuffer(Signature, 4);
      EXPECT_EQ(std::string(Signature, 4), "TPF0");
      EXPECT_GT(Size, 4);
    } else {
      EXPECT_EQ(ReadString(Body).substr(0, 30), "object Form: TSeSkinObject\r\n  ");
    }
  }
}

TEST(SkinForms, TheStoredFormIsAByteTwoInFrontOfTheDefaultContainer) {
  const std::vector<uint8_t> Stored = SampleStoredSkinBytes();
  ASSERT_EQ(Stored[0], 2);
  TMemoryStream Stream(std::vector<uint8_t>(Stored.begin() + 1, Stored.end()));
  TSeSkinSource Source;
  Source.LoadFromStream(Stream);
  EXPECT_EQ(Source.SkinName, "Mirevan Blue");
  EXPECT_EQ(Source.ObjectCount(), 3);
  EXPECT_EQ(DefaultSkinFilter().Name, "TSeSkinFilterCompressed");
}

TEST(SkinForms, AMaxBodyWithoutTheMarkReadsLegacyBmpRecords) {
  TSeSkinSource Source;
  LoadWith("mskn", SampleLegacyMaxSkinBytes(), Source);
  ASSERT_EQ(Source.Bitmaps().Count(), 2);
  const TseBitmap& Frame = *Source.Bitmaps().GetBitmap(0);
  EXPECT_EQ(Frame.Name, "frame");
  ASSERT_EQ(Frame.Width(), 4);
  ASSERT_EQ(Frame.Height(), 2);
  // Key and near-key pixels become the key colour; the others are opaque.
  EXPECT_EQ(Frame.GetPixel(0, 0), KeyColor);
  EXPECT_EQ(Frame.GetPixel(1, 0), KeyColor);
  EXPECT_EQ(Frame.GetPixel(2, 0), 0xFF850000u);
  EXPECT_EQ(Frame.GetPixel(3, 0), 0xFFFFFFFFu);
  EXPECT_EQ(Frame.GetPixel(1, 1), 0xFF123456u);
  EXPECT_TRUE(Frame.Transparent);
  EXPECT_FALSE(Frame.AlphaBlend);
  EXPECT_EQ(Source.Bitmaps().GetBitmap(1)->GetPixel(0, 0), 0xFF336699u);
  EXPECT_EQ(Source.ObjectCount(), 3);
}

TEST(SkinForms, LoadingSnapsNearKeyPixelsAndFlagsSoftOnes) {
  TSeSkinSource Source;
  auto Bitmap = std::make_unique<TseBitmap>();
  Bitmap->Name = "keys";
  Bitmap->SetSize(3, 1);
  *Bitmap->PixelPtr(0, 0) = 0xFF82047Du; // red 130, green 4, blue 125
  *Bitmap->PixelPtr(1, 0) = 0xFF85047Du; // red 133
  *Bitmap->PixelPtr(2, 0) = 0xFF000000u;
  Source.Bitmaps().Add(std::move(Bitmap));
  TSeSkinSource Copy;
  LoadWith("uskn", SaveWith("uskn", Source), Copy);
  const TseBitmap& Keys = *Copy.Bitmaps().GetBitmap(0);
  EXPECT_EQ(Keys.GetPixel(0, 0), 0x007F007Fu);
  EXPECT_EQ(Keys.GetPixel(1, 0), 0xFF85047Du);
  EXPECT_TRUE(Keys.Transparent);
  EXPECT_FALSE(Keys.AlphaBlend);
  TSeSkinSource Sample;
  LoadWith("uskn", SampleSkinBytes("uskn"), Sample);
  EXPECT_TRUE(Sample.Bitmaps().GetBitmap(0)->AlphaBlend); // its soft bottom row
}

TEST(SkinSource, ANewSourceHasItsDefaultsAndNothingInIt) {
  TSeSkinSource Source;
  EXPECT_FALSE(Source.SkinName.empty());
  EXPECT_EQ(Source.SkinVersion, "3.4.0");
  EXPECT_EQ(Source.ObjectCount(), 0);
  EXPECT_EQ(Source.Bitmaps().Count(), 0);
  EXPECT_EQ(Source.CurrentHue(), 0);
  EXPECT_EQ(Source.GetFormObject(), nullptr);
}

TEST(SkinSource, LookupsAreTopLevelIgnoreCaseAndHideWhileChanging) {
  TSeSkinSource Source;
  BuildSampleSkin(Source);
  EXPECT_EQ(Source.FindObject("form"), Source.GetObject(0));
  EXPECT_EQ(Source.FindObject("Caption"), nullptr); // a child
  EXPECT_EQ(Source.FindObjectByKind(skForm), Source.GetObject(0));
  EXPECT_EQ(Source.GetFormObject(), Source.GetObject(0));
  EXPECT_EQ(Source.GetObject(3), nullptr);
  EXPECT_EQ(Source.GetObject(-1), nullptr);
  Source.Changing = true;
  EXPECT_EQ(Source.GetObject(0), nullptr);
  EXPECT_EQ(Source.FindObject("Form"), nullptr);
  EXPECT_EQ(Source.FindObjectByKind(skForm), nullptr);
  EXPECT_EQ(Source.GetFormObject(), nullptr);
  EXPECT_EQ(Source.ObjectCount(), 3);
  Source.Changing = false;
  // Without an object named "Form", the first of kind skForm.
  Source.GetObject(0)->SetName("Window");
  EXPECT_EQ(Source.GetFormObject(), Source.GetObject(0));
}

TEST(SkinSource, AfterLoadingTheFirstClientOfEachTreeIsNotMasked) {
  TSeSkinSource Source;
  LoadWith("qzkn", SampleSkinBytes("qzkn"), Source);
  EXPECT_TRUE(Source.FindObject("Form")->FindObject("Client")->Masked); // the filter alone
  TMemoryStream Stream(SampleSkinBytes("qzkn"));
  Source.LoadFromStream(Stream);
  EXPECT_FALSE(Source.FindObject("Form")->FindObject("Client")->Masked);
  EXPECT_TRUE(Source.FindObject("Form")->FindObject("Caption")->Masked);
}

TEST(SkinSource, HueShiftsByTheDifferenceAndLeavesKeyPixels) {
  TSeSkinSource Source;
  TMemoryStream Stream(SampleSkinBytes("qzkn"));
  Source.LoadFromStream(Stream);
  const TseBitmap& Top = *Source.Bitmaps().GetBitmap(0);
  const TsePixel Plain = Top.GetPixel(50, 10);
  TSeSkinObject* Kinds = Source.FindObject("Kinds");
  const TColor Active = static_cast<TSeActiveObject*>(Kinds)->ActiveColor;

  Source.ChangeHue(10);
  EXPECT_EQ(Source.CurrentHue(), 10);
  EXPECT_EQ(Top.GetPixel(50, 10), ChangePixelHue(Plain, 10));
  EXPECT_EQ(Top.GetPixel(0, 0), KeyColor);
  EXPECT_EQ(static_cast<TSeActiveObject*>(Kinds)->ActiveColor, ShiftColorHue(Active, 10));
  const TsePixel Shifted = Top.GetPixel(50, 10);
  Source.ChangeHue(10); // the current value: nothing
  EXPECT_EQ(Top.GetPixel(50, 10), Shifted);
  Source.ChangeHue(0);
  EXPECT_EQ(Top.GetPixel(50, 10), ChangePixelHue(Shifted, -10));
  EXPECT_EQ(Top.GetPixel(0, 0), KeyColor);
  // clNone is never shifted.
  EXPECT_EQ(Source.FindObject("Button")->Color, clNone);
}

class SkinFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    Dir = std::filesystem::temp_directory_path() /
          ("mirevan-skin-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(Dir);
    Previous = std::filesystem::current_path();
    std::filesystem::current_path(Dir);
  }
  void TearDown() override {
    std::filesystem::current_path(Previous);
    std::filesystem::remove_all(Dir);
  }
  static void Write(const std::filesystem::path& Path, const std::vector<uint8_t>& Bytes) {
    std::ofstream(Path, std::ios::binary)
        .write(reinterpret_cast<const char*>(Bytes.data()),
               static_cast<std::streamsize>(Bytes.size()));
  }
  std::filesystem::path Dir, Previous;
};

TEST_F(SkinFileTest, FilesAreReadAndWrittenByTheirExtension) {
  TSeSkinSource Source;
  BuildSampleSkin(Source);
  for (const char* Name : {"a.uskn", "b.QZKN", "c.xskn", "d.mskn"}) {
    Source.SaveToFile((Dir / Name).string());
    TSeSkinSource Copy;
    Copy.LoadFromFile((Dir / Name).string());
    EXPECT_EQ(Copy.SkinName, "Mirevan Blue") << Name;
    EXPECT_EQ(Copy.ObjectCount(), 3) << Name;
  }
  // An unknown extension is saved in the default form, and not loaded at all.
  Source.SaveToFile((Dir / "e.skin").string());
  std::ifstream Saved(Dir / "e.skin", std::ios::binary);
  char Magic[4];
  Saved.read(Magic, 4);
  EXPECT_EQ(std::string(Magic, 4), "QZLZ");
  TSeSkinSource Other;
  Other.LoadFromFile((Dir / "e.skin").string());
  EXPECT_EQ(Other.ObjectCount(), 0);
  EXPECT_EQ(Other.SkinVersion, "3.4.0");
}

TEST_F(SkinFileTest, MissingFilesAndEmptyNamesChangeNothing) {
  TSeSkinSource Source;
  BuildSampleSkin(Source);
  Source.LoadFromFile("");
  Source.LoadFromFile((Dir / "missing.qzkn").string());
  Source.LoadFromFile("missing-too.qzkn");
  EXPECT_EQ(Source.ObjectCount(), 3);
  EXPECT_EQ(Source.SkinName, "Mirevan Blue");
}

TEST_F(SkinFileTest, ARelativeNameIsAlsoLookedForBesideTheProgram) {
  const std::string Name =
      "beside-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
      ".xskn";
  const std::string Beside = ExtractFilePath(ExeFileName()) + Name;
  Write(Beside, SampleSkinBytes("xskn"));
  TSeSkinSource Source;
  Source.LoadFromFile(Name); // the working directory is elsewhere
  std::filesystem::remove(Beside);
  EXPECT_EQ(Source.SkinName, "Mirevan Blue");
  EXPECT_EQ(Source.ObjectCount(), 3);
}

} // namespace
