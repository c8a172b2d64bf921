// The built-in skin as the build compiles it: its container, its counts, its vocabulary, and
// that every property its sources name is one the classes really have.

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "gfx/Bitmap.h"

#ifndef MIREVAN_BUILTIN_SKIN
#define MIREVAN_BUILTIN_SKIN "skin/BuiltInSkin.bin"
#endif

using namespace SkinTest;

namespace {

TEST(BuiltInSkin, IsStoredAsAByteTwoAndALevelOneZlibStream) {
  const std::vector<uint8_t> Stored = FileBytes(MIREVAN_BUILTIN_SKIN);
  ASSERT_GT(Stored.size(), 7u) << "missing " << MIREVAN_BUILTIN_SKIN;
  EXPECT_EQ(Stored[0], 2);
  EXPECT_EQ(std::string(Stored.begin() + 1, Stored.begin() + 5), "QZLZ");
  EXPECT_EQ(Stored[5], 0x78);
  EXPECT_EQ(Stored[6], 0x01);
}

TEST(BuiltInSkin, HasItsHeadersBitmapsAndRecordsInTheirForms) {
  TMemoryStream Stream = InflatedBody(FileBytes(MIREVAN_BUILTIN_SKIN), 1);
  std::vector<size_t> Lengths;
  for (int I = 0; I < 5; ++I)
    Lengths.push_back(ReadString(Stream).size());
  EXPECT_EQ(Lengths, (std::vector<size_t>{12, 5, 12, 20, 0}));
  const int32_t Bitmaps = Stream.ReadInt32();
  ASSERT_EQ(Bitmaps, 17);
  for (int I = 0; I < Bitmaps; ++I) {
    const std::string Name = ReadString(Stream);
    const int32_t W = Stream.ReadInt32(), H = Stream.ReadInt32();
    if (I == 0) {
      EXPECT_EQ(Name, "top");
      EXPECT_EQ(W, 184);
      EXPECT_EQ(H, 44);
    }
    Stream.Seek(int64_t{W} * H * 4, TSeekOrigin::soCurrent);
  }
  const TRecords Records = ReadObjectRecords(Stream);
  EXPECT_EQ(Records.Count, 18);
  EXPECT_EQ(Stream.Remaining(), 0);
  EXPECT_TRUE(Records.Unknown.empty()) << Records.Unknown.front();
  EXPECT_TRUE(Records.AllMarked);
}

TEST(BuiltInSkin, ProvidesTheObjectVocabularyOfTheControls) {
  const std::vector<uint8_t> Stored = FileBytes(MIREVAN_BUILTIN_SKIN);
  TMemoryStream Stream(std::vector<uint8_t>(Stored.begin() + 1, Stored.end()));
  TSeSkinSource Skin;
  Skin.LoadFromStream(Stream);
  EXPECT_TRUE(Skin.SkippedClasses().empty());
  ASSERT_EQ(Skin.ObjectCount(), 18);
  int All = 0;
  for (int I = 0; I < Skin.ObjectCount(); ++I) {
    All += CountObjects(*Skin.GetObject(I));
    EXPECT_EQ(Skin.GetObject(I)->Align, saNone);
    EXPECT_EQ(BrokenLinks(*Skin.GetObject(I)), std::vector<std::string>{});
  }
  EXPECT_EQ(All, 91);
  EXPECT_EQ(KeyedBitmaps(Skin), std::vector<std::string>{});
  EXPECT_EQ(TopLevelNames(Skin), (std::vector<std::string>{
                                     "Form", "MenuBar", "PopupMenu", "CheckBox", "RadioButton",
                                     "Button", "Tabs", "ProgressBar", "Edit", "SpeedButton",
                                     "ComboBox", "ListBox", "ScrollBox", "Header", "StatusBar",
                                     "ControlBar", "Toolbar", "SpinButton"}));
  for (const char* Missing : {"GroupBox", "Label", "ScrollBar", "TrackBar", "Hint"})
    EXPECT_EQ(Skin.FindObject(Missing), nullptr) << Missing;

  TSeSkinObject* Form = Skin.GetFormObject();
  ASSERT_NE(Form, nullptr);
  EXPECT_EQ(Form->Kind, skForm);
  EXPECT_EQ(Form->Width(), 300);
  EXPECT_EQ(Form->Height(), 250);
  for (const char* Part :
       {"Caption",        "CaptionLeft", "CaptionRight", "CaptionCenter", "SysButton0",
        "RollButton",     "MinButton",   "MaxButton",    "RestoreButton", "CloseButton",
        "RolldownButton", "Bottom",      "BottomLeft",   "BottomRight",   "BottomCenter",
        "Left",           "LeftTop",     "LeftBottom",   "LeftCenter",    "Right",
        "RightTop",       "RightBottom", "RightCenter",  "Client"})
    EXPECT_NE(Form->FindObject(Part), nullptr) << Part;
  EXPECT_FALSE(Form->FindObject("Client")->Masked); // the loader's fix-up
  EXPECT_EQ(Form->FindObjectByKind(skTitle)->Align, saText);
  EXPECT_EQ(Form->FindObjectByKind(skTitle)->Owner(), Form->FindObject("CaptionCenter"));
  // The frame's rows: a 22-high caption between 4- and 5-wide borders over a 5-high bottom.
  Form->SetBounds({0, 0, 400, 300});
  EXPECT_EQ(Form->FindObject("Caption")->BoundsRect(), (TRect{4, 0, 395, 22}));
  EXPECT_EQ(Form->FindObject("Left")->BoundsRect(), (TRect{0, 0, 4, 300}));
  EXPECT_EQ(Form->FindObject("Right")->BoundsRect(), (TRect{395, 0, 400, 300}));
  EXPECT_EQ(Form->FindObject("Bottom")->BoundsRect(), (TRect{4, 295, 395, 300}));
  EXPECT_EQ(Form->FindObject("Client")->BoundsRect(), (TRect{4, 22, 395, 295}));
  EXPECT_EQ(Form->FindObject("CloseButton")->BoundsRect(), (TRect{374, 4, 392, 19}));
  EXPECT_EQ(Form->FindObject("SysButton0")->Width(), 16);
  EXPECT_EQ(Form->FindObject("SysButton0")->Height(), 16);
  // What is under the pointer: caption parts, borders, the client.
  EXPECT_EQ(Form->ObjectAtPoint({200, 10})->Name(), "CaptionCenter");
  EXPECT_EQ(Form->ObjectAtPoint({380, 10})->Name(), "CloseButton");
  EXPECT_EQ(Form->ObjectAtPoint({6, 10})->Name(), "CaptionLeft");
  EXPECT_EQ(Form->ObjectAtPoint({1, 150})->Name(), "LeftCenter");
  EXPECT_EQ(Form->ObjectAtPoint({398, 150})->Name(), "RightCenter");
  EXPECT_EQ(Form->ObjectAtPoint({200, 297})->Name(), "BottomCenter");
  EXPECT_EQ(Form->ObjectAtPoint({200, 150})->Name(), "Client");
  EXPECT_EQ(Form->ObjectAtPoint({400, 150}), nullptr);
  auto* Close = dynamic_cast<TSeSystemButton*>(Form->FindObject("CloseButton"));
  ASSERT_NE(Close, nullptr);
  EXPECT_EQ(Close->Action, sbaClose);
  EXPECT_EQ(Close->ActiveBitmap->Rect.Left, 0);
  EXPECT_EQ(Close->BitmapPressed->Rect.Left, 18);
  EXPECT_EQ(Close->BitmapHot->Rect.Left, 36);
  EXPECT_EQ(Close->Bitmap->Rect.Left, 54);
  EXPECT_TRUE(Close->ActiveBitmap->IsValid());

  TSeSkinObject* Popup = Skin.FindObject("PopupMenu");
  TSeSkinObject* Frame = Popup->FindObject("Frame");
  EXPECT_EQ((TRect{Frame->MarginLeft, Frame->MarginTop, Frame->MarginRight, Frame->MarginBottom}),
            (TRect{2, 2, 3, 3}));
  EXPECT_NE(Popup->FindObject("Item"), nullptr);
  EXPECT_EQ(Popup->FindObject("Separator"), nullptr);
  EXPECT_NE(Skin.FindObject("ListBox")->FindObject("Frame"), nullptr);
  EXPECT_NE(Skin.FindObject("Header")->FindObject("Section"), nullptr);
  EXPECT_NE(Skin.FindObject("Tabs")->FindObject("TabBitmap"), nullptr);
  EXPECT_NE(Skin.FindObject("ProgressBar")->FindObject("FrameBitmap"), nullptr);
}

} // namespace
