// The dark skin "Midnight Ember" as the build writes it beside the program: a compressed
// skin file with every top-level object the library's controls name, the parts and classes
// each control looks up, the sizes the controls take from it, pictures that tell the states
// apart, and a dark look with light text.

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "gfx/Bitmap.h"

#ifndef MIREVAN_DARK_SKIN
#define MIREVAN_DARK_SKIN "bin/MidnightEmber.qzkn"
#endif

using namespace SkinTest;

namespace {

class DarkSkin : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    Skin = new TSeSkinSource;
    Skin->LoadFromFile(MIREVAN_DARK_SKIN);
  }
  static void TearDownTestSuite() {
    delete Skin;
    Skin = nullptr;
  }
  void SetUp() override { ASSERT_EQ(Skin->ObjectCount(), 24) << "no skin in " << MIREVAN_DARK_SKIN; }
  static TSeSkinObject& Top(const char* Name) {
    TSeSkinObject* Found = Skin->FindObject(Name);
    if (!Found)
      throw std::runtime_error(std::string("no top-level object ") + Name);
    return *Found;
  }
  static TSeSkinObject& Part(const char* TopName, const char* Name) {
    TSeSkinObject* Found = Top(TopName).FindObject(Name);
    if (!Found)
      throw std::runtime_error(std::string(TopName) + " has no " + Name);
    return *Found;
  }
  static TSeSkinSource* Skin;
};
TSeSkinSource* DarkSkin::Skin = nullptr;

TEST(DarkSkinFile, IsACompressedSkinFileOfTheStandardBody) {
  const std::vector<uint8_t> Bytes = FileBytes(MIREVAN_DARK_SKIN);
  ASSERT_GT(Bytes.size(), 6u) << "missing " << MIREVAN_DARK_SKIN;
  EXPECT_EQ(std::string(Bytes.begin(), Bytes.begin() + 4), "QZLZ");
  EXPECT_EQ(Bytes[4], 0x78);
  EXPECT_EQ(Bytes[5], 0x01);
  TMemoryStream Body = InflatedBody(Bytes, 0);
  std::vector<std::string> Header;
  for (int I = 0; I < 5; ++I)
    Header.push_back(ReadString(Body));
  EXPECT_EQ(Header, (std::vector<std::string>{"Midnight Ember", "3.4.0", "Mirevan Team",
                                              "team@mirevan.example", ""}));
  const int32_t Bitmaps = Body.ReadInt32();
  ASSERT_EQ(Bitmaps, 29);
  for (int I = 0; I < Bitmaps; ++I) {
    ReadString(Body);
    const int32_t W = Body.ReadInt32(), H = Body.ReadInt32();
    Body.Seek(int64_t{W} * H * 4, TSeekOrigin::soCurrent);
  }
  const TRecords Records = ReadObjectRecords(Body);
  EXPECT_EQ(Records.Count, 24);
  EXPECT_EQ(Body.Remaining(), 0);
  EXPECT_EQ(Records.Unknown, std::vector<std::string>{});
  EXPECT_TRUE(Records.AllMarked);
}

TEST_F(DarkSkin, HoldsEveryTopLevelObjectTheControlsName) {
  EXPECT_TRUE(Skin->SkippedClasses().empty());
  EXPECT_EQ(TopLevelNames(*Skin),
            (std::vector<std::string>{"Form", "MenuBar", "PopupMenu", "CheckBox", "RadioButton",
                                      "Button", "Tabs", "ProgressBar", "Edit", "SpeedButton",
                                      "ComboBox", "ListBox", "ScrollBox", "Header", "StatusBar",
                                      "ControlBar", "Toolbar", "SpinButton", "ScrollBar",
                                      "TrackBar", "GroupBox", "Label", "Hint", "ToolWindow"}));
  int All = 0;
  for (int I = 0; I < Skin->ObjectCount(); ++I) {
    EXPECT_EQ(Skin->GetObject(I)->Align, saNone) << Skin->GetObject(I)->Name();
    EXPECT_EQ(BrokenLinks(*Skin->GetObject(I)), std::vector<std::string>{});
    All += CountObjects(*Skin->GetObject(I));
  }
  EXPECT_EQ(All, 142);
  EXPECT_EQ(KeyedBitmaps(*Skin), std::vector<std::string>{});
  EXPECT_EQ(Skin->GetFormObject(), &Top("Form")); // the tool window is a form object too
}

TEST_F(DarkSkin, HasThePartsEachControlLooksUp) {
  ExpectParts(Top("MenuBar"), {{"Frame", "TSeBitmapObject"},
                               {"Item", "TSeButtonObject"},
                               {"ToolbarFrame", "TSeBitmapObject"},
                               {"ToolbarItem", "TSeButtonObject"},
                               {"Close", "TSeButtonObject"},
                               {"Restore", "TSeButtonObject"},
                               {"Min", "TSeButtonObject"}});
  ExpectParts(Top("PopupMenu"), {{"Frame", "TSeBitmapObject"},
                                 {"Item", "TSeButtonObject"},
                                 {"Separator", "TSeBitmapObject"}});
  for (const char* Name : {"CheckBox", "RadioButton"})
    ExpectParts(Top(Name), {{"Unchecked", "TSeButtonObject"},
                            {"Checked", "TSeButtonObject"},
                            {"Text", "TSeTextObject"}});
  ExpectParts(Top("CheckBox"), {{"Mixed", "TSeButtonObject"}});
  ExpectParts(Top("Button"), {{"Face", "TSeButtonObject"}, {"Text", "TSeTextObject"}});
  ExpectParts(Top("Tabs"), {{"Frame", "TSeBitmapObject"},
                            {"TabBitmap", "TSeBitmapObject"},
                            {"Tab", "TSeButtonObject"},
                            {"Text", "TSeTextObject"},
                            {"LeftButton", "TSeButtonObject"},
                            {"RightButton", "TSeButtonObject"}});
  ExpectParts(Top("ProgressBar"), {{"Frame", "TSeBitmapObject"},
                                   {"FrameBitmap", "TSeBitmapObject"},
                                   {"BarHorz", "TSeBitmapObject"},
                                   {"BarVert", "TSeBitmapObject"}});
  for (const char* Name : {"Edit", "ComboBox"})
    ExpectParts(Top(Name), {{"Text", "TSeTextObject"}, {"Frame", "TSeButtonObject"}});
  ExpectParts(Top("SpeedButton"), {{"Face", "TSeButtonObject"},
                                   {"FlatFace", "TSeButtonObject"},
                                   {"Text", "TSeTextObject"},
                                   {"Chevron", "TSeBitmapObject"},
                                   {"FlatChevron", "TSeBitmapObject"}});
  ExpectParts(Top("ComboBox"), {{"Button", "TSeButtonObject"}});
  ExpectParts(Top("ListBox"), {{"Frame", "TSeButtonObject"}, {"Item", "TSeButtonObject"}});
  ExpectParts(Top("ScrollBox"), {{"Frame", "TSeButtonObject"}});
  ExpectParts(Top("Header"), {{"Section", "TSeButtonObject"}});
  ExpectParts(Top("StatusBar"), {{"Frame", "TSeBitmapObject"},
                                 {"Panel", "TSeBitmapObject"},
                                 {"Gripper", "TSeBitmapObject"}});
  ExpectParts(Top("ControlBar"), {{"Back", "TSeBitmapObject"},
                                  {"Frame", "TSeBitmapObject"},
                                  {"Grabber", "TSeBitmapObject"}});
  ExpectParts(Top("Toolbar"), {{"Frame", "TSeBitmapObject"}});
  ExpectParts(Top("SpinButton"), {{"Face", "TSeButtonObject"}});
  ExpectParts(Top("ScrollBar"), {{"HorzFrame", "TSeBitmapObject"},
                                 {"VertFrame", "TSeBitmapObject"},
                                 {"LeftButton", "TSeButtonObject"},
                                 {"RightButton", "TSeButtonObject"},
                                 {"TopButton", "TSeButtonObject"},
                                 {"BottomButton", "TSeButtonObject"},
                                 {"HorzSlider", "TSeButtonObject"},
                                 {"VertSlider", "TSeButtonObject"}});
  ExpectParts(Top("TrackBar"), {{"FrameHorz", "TSeSkinObject"},
                                {"FrameVert", "TSeSkinObject"},
                                {"TrackHorz", "TSeBitmapObject"},
                                {"TrackVert", "TSeBitmapObject"},
                                {"HighlightHorz", "TSeBitmapObject"},
                                {"HighlightVert", "TSeBitmapObject"},
                                {"ThumbHorz", "TSeButtonObject"},
                                {"ThumbHorzBottom", "TSeButtonObject"},
                                {"ThumbHorzTop", "TSeButtonObject"},
                                {"ThumbVert", "TSeButtonObject"},
                                {"ThumbVertRight", "TSeButtonObject"},
                                {"ThumbVertLeft", "TSeButtonObject"}});
  ExpectParts(Top("GroupBox"), {{"Frame", "TSeBitmapObject"}, {"Caption", "TSeBitmapObject"}});
  EXPECT_EQ(Top("Label").ChildCount(), 0);
  EXPECT_EQ(Top("Hint").ClassName(), "TSeBitmapObject");
  EXPECT_EQ(Top("Hint").ChildCount(), 0);
}

// Both frames: the parts the skinned form finds by name and by kind, the title inside the
// caption's centre, and caption buttons whose pictures stand side by side in one bitmap
// each: active at block 0, pressed at 1, hot at 2, inactive at 3.
TEST_F(DarkSkin, FramesHaveTheirPartsKindsAndCaptionButtonBlocks) {
  for (const char* Name : {"Form", "ToolWindow"}) {
    TSeSkinObject& Frame = Top(Name);
    EXPECT_EQ(Frame.Kind, skForm) << Name;
    ExpectParts(Frame, {{"Caption", "TSeSkinObject"},
                        {"CaptionLeft", "TSeActiveBitmap"},
                        {"CaptionRight", "TSeActiveBitmap"},
                        {"CaptionCenter", "TSeActiveBitmap"},
                        {"CloseButton", "TSeSystemButton"},
                        {"Bottom", "TSeSkinObject"},
                        {"BottomLeft", "TSeActiveBitmap"},
                        {"BottomRight", "TSeActiveBitmap"},
                        {"BottomCenter", "TSeActiveBitmap"},
                        {"Left", "TSeSkinObject"},
                        {"LeftTop", "TSeActiveBitmap"},
                        {"LeftBottom", "TSeActiveBitmap"},
                        {"LeftCenter", "TSeActiveBitmap"},
                        {"Right", "TSeSkinObject"},
                        {"RightTop", "TSeActiveBitmap"},
                        {"RightBottom", "TSeActiveBitmap"},
                        {"RightCenter", "TSeActiveBitmap"},
                        {"Client", "TSeBitmapObject"}});
    TSeSkinObject* Title = Frame.FindObjectByKind(skTitle);
    ASSERT_NE(Title, nullptr) << Name;
    EXPECT_EQ(Title->Align, saText);
    EXPECT_EQ(Title->Owner(), Frame.FindObject("CaptionCenter"));
    EXPECT_EQ(Frame.FindObjectByKind(skClient), Frame.FindObject("Client"));
    EXPECT_FALSE(Frame.FindObject("Client")->Masked); // the loader's fix-up
    EXPECT_EQ(Frame.FindObject("CaptionCenter")->Kind, skCaption);
    const std::pair<const char*, TSeKind> Kinds[] = {
        {"Left", skLeft},           {"Right", skRight},           {"Bottom", skBottom},
        {"CaptionLeft", skTopLeft}, {"CaptionRight", skTopRight}, {"BottomLeft", skBottomLeft},
        {"BottomRight", skBottomRight}};
    for (const auto& [Part, Kind] : Kinds)
      EXPECT_EQ(Frame.FindObject(Part)->Kind, Kind) << Name << "." << Part;
  }
  const std::pair<const char*, TSeAction> Buttons[] = {
      {"RollButton", sbaRollUp},         {"MinButton", sbaMinimize}, {"MaxButton", sbaMaximize},
      {"RestoreButton", sbaRestore},     {"CloseButton", sbaClose},  {"SysButton0", sbaSysMenu},
      {"RolldownButton", sbaRollDown}};
  for (const auto& [Name, Action] : Buttons) {
    auto* Button = dynamic_cast<TSeSystemButton*>(Top("Form").FindObject(Name));
    ASSERT_NE(Button, nullptr) << Name;
    EXPECT_EQ(Button->Action, Action) << Name;
    EXPECT_EQ(Button->Kind, skSysButton) << Name;
    const int W = Button->Width();
    EXPECT_EQ(W, Action == sbaSysMenu ? 16 : 20) << Name;
    EXPECT_EQ(Button->Height(), 16) << Name;
    EXPECT_EQ(Button->ActiveBitmap->Rect, (TRect{0, 0, W, 16})) << Name;
    EXPECT_EQ(Button->BitmapPressed->Rect, (TRect{W, 0, 2 * W, 16})) << Name;
    EXPECT_EQ(Button->BitmapHot->Rect, (TRect{2 * W, 0, 3 * W, 16})) << Name;
    EXPECT_EQ(Button->Bitmap->Rect, (TRect{3 * W, 0, 4 * W, 16})) << Name;
  }
  // A tool window has a small caption with the close button alone.
  TSeSkinObject& Tool = Top("ToolWindow");
  for (const char* Missing : {"SysButton0", "RollButton", "MinButton", "MaxButton",
                              "RestoreButton", "RolldownButton"})
    EXPECT_EQ(Tool.FindObject(Missing), nullptr) << Missing;
  auto* Close = dynamic_cast<TSeSystemButton*>(Tool.FindObject("CloseButton"));
  ASSERT_NE(Close, nullptr);
  EXPECT_EQ(Close->Action, sbaClose);
  EXPECT_EQ(Close->BitmapHot->Rect, (TRect{32, 0, 48, 13}));
}

// The frame's rows when the skinned form sizes it, and what lies under the pointer: a
// 24-high caption between 4-wide borders over a 4-high bottom; the tool window's caption is
// 18 high between 3-wide borders.
TEST_F(DarkSkin, FramesLayOutAroundTheirClient) {
  TSeSkinObject& Form = Top("Form");
  Form.SetBounds({0, 0, 400, 300});
  EXPECT_EQ(Form.FindObject("Caption")->BoundsRect(), (TRect{4, 0, 396, 24}));
  EXPECT_EQ(Form.FindObject("Left")->BoundsRect(), (TRect{0, 0, 4, 300}));
  EXPECT_EQ(Form.FindObject("Right")->BoundsRect(), (TRect{396, 0, 400, 300}));
  EXPECT_EQ(Form.FindObject("Bottom")->BoundsRect(), (TRect{4, 296, 396, 300}));
  EXPECT_EQ(Form.FindObject("Client")->BoundsRect(), (TRect{4, 24, 396, 296}));
  EXPECT_EQ(Form.FindObject("LeftCenter")->BoundsRect(), (TRect{0, 24, 4, 293}));
  EXPECT_EQ(Form.FindObject("BottomRight")->BoundsRect(), (TRect{392, 296, 396, 300}));
  // Buttons keep their distance from the right edge and stand apart.
  EXPECT_EQ(Form.FindObject("CloseButton")->BoundsRect(), (TRect{374, 4, 394, 20}));
  EXPECT_EQ(Form.FindObject("MaxButton")->BoundsRect(), (TRect{352, 4, 372, 20}));
  EXPECT_EQ(Form.FindObject("MinButton")->BoundsRect(), (TRect{330, 4, 350, 20}));
  EXPECT_EQ(Form.FindObject("RestoreButton")->BoundsRect(),
            Form.FindObject("MaxButton")->BoundsRect());
  // The title starts after the system menu and roll buttons.
  EXPECT_GE(Form.FindObjectByKind(skTitle)->Left(), Form.FindObject("RollButton")->BoundsRect().Right);
  EXPECT_EQ(Form.ObjectAtPoint({200, 10})->Name(), "CaptionCenter");
  EXPECT_EQ(Form.ObjectAtPoint({380, 10})->Name(), "CloseButton");
  EXPECT_EQ(Form.ObjectAtPoint({6, 10})->Name(), "CaptionLeft");
  EXPECT_EQ(Form.ObjectAtPoint({1, 150})->Name(), "LeftCenter");
  EXPECT_EQ(Form.ObjectAtPoint({398, 150})->Name(), "RightCenter");
  EXPECT_EQ(Form.ObjectAtPoint({200, 298})->Name(), "BottomCenter");
  EXPECT_EQ(Form.ObjectAtPoint({200, 150})->Name(), "Client");

  TSeSkinObject& Tool = Top("ToolWindow");
  Tool.SetBounds({0, 0, 300, 200});
  EXPECT_EQ(Tool.FindObject("Caption")->BoundsRect(), (TRect{3, 0, 297, 18}));
  EXPECT_EQ(Tool.FindObject("Bottom")->BoundsRect(), (TRect{3, 197, 297, 200}));
  EXPECT_EQ(Tool.FindObject("Client")->BoundsRect(), (TRect{3, 18, 297, 197}));
  EXPECT_EQ(Tool.FindObject("CloseButton")->BoundsRect(), (TRect{279, 3, 295, 16}));
  EXPECT_EQ(Tool.ObjectAtPoint({150, 8})->Name(), "CaptionCenter");
}

// The scroll bar takes its thickness from the frames and its button length from the first
// buttons: 17 pixels all round, and every part's pictures are as large as the part.
TEST_F(DarkSkin, ScrollBarPartsAre17PixelsAcross) {
  EXPECT_EQ(Part("ScrollBar", "VertFrame").Width(), 17);
  EXPECT_EQ(Part("ScrollBar", "HorzFrame").Height(), 17);
  EXPECT_EQ(Part("ScrollBar", "LeftButton").Width(), 17);
  EXPECT_EQ(Part("ScrollBar", "TopButton").Height(), 17);
  for (const char* Name : {"LeftButton", "RightButton", "TopButton", "BottomButton"}) {
    const auto& Button = dynamic_cast<TSeButtonObject&>(Part("ScrollBar", Name));
    EXPECT_EQ(Button.Width(), 17);
    EXPECT_EQ(Button.Height(), 17);
    for (TSeState State : {osNormal, osHot, osPressed, osDisabled})
      EXPECT_EQ(PictureInState(Button, State)->Rect.Width(), 17) << Name;
  }
  // Thumbs are as thick as the bar, so only their length is ever stretched.
  EXPECT_EQ(Part("ScrollBar", "HorzSlider").Height(), 17);
  EXPECT_EQ(Part("ScrollBar", "VertSlider").Width(), 17);
  EXPECT_EQ(dynamic_cast<TSeButtonObject&>(Part("ScrollBar", "HorzSlider")).Bitmap->Rect.Height(), 17);
  EXPECT_EQ(dynamic_cast<TSeButtonObject&>(Part("ScrollBar", "VertSlider")).Bitmap->Rect.Width(), 17);
  for (const char* Name : {"LeftButton", "RightButton", "TopButton", "BottomButton",
                           "HorzSlider", "VertSlider"})
    ExpectDistinctStates(Top("ScrollBar"), Name, {osNormal, osHot, osPressed, osDisabled});
}

// The track bar's metrics come from its parts: the thumb's thickness T and length, the
// end margin and side offset from the frame's margins. The main window's bar (45 high,
// ticks on both sides) must hold the thumb and both rows of ticks.
TEST_F(DarkSkin, TrackBarMetricsFitTheMainWindowsBar) {
  const TSeSkinObject &Thumb = Part("TrackBar", "ThumbHorz"), &Frame = Part("TrackBar", "FrameHorz");
  const int T = Thumb.Width(), Length = Thumb.Height(), M = Frame.MarginLeft, S = Frame.MarginTop;
  EXPECT_EQ(T, 11);
  EXPECT_EQ(Length, 20);
  EXPECT_EQ(M, 9);
  EXPECT_EQ(S, 7);
  EXPECT_LE(S + Length + 6 + 4, 45); // the longer end ticks below the thumb
  // The groove, centred across the track rectangle, lies within it.
  const int TrackTop = S + T / 4 + 5 + 1, TrackBottom = S + T / 4 + 5 + Length - 2 * (T / 4) - 1;
  EXPECT_LE(Part("TrackBar", "TrackHorz").Height(), TrackBottom - TrackTop);
  EXPECT_EQ(Part("TrackBar", "HighlightHorz").Height(), Part("TrackBar", "TrackHorz").Height());
  // Upright bars swap the axes.
  const TSeSkinObject &Upright = Part("TrackBar", "ThumbVert"), &Side = Part("TrackBar", "FrameVert");
  EXPECT_EQ(Upright.Height(), T);
  EXPECT_EQ(Upright.Width(), Length);
  EXPECT_EQ(Side.MarginTop, M);
  EXPECT_EQ(Side.MarginLeft, S);
  EXPECT_EQ(Part("TrackBar", "TrackVert").Width(), Part("TrackBar", "TrackHorz").Height());
  EXPECT_EQ(Part("TrackBar", "HighlightVert").Width(), Part("TrackBar", "TrackVert").Width());
  for (const char* Name : {"ThumbHorz", "ThumbHorzBottom", "ThumbHorzTop"}) {
    EXPECT_EQ(Part("TrackBar", Name).BoundsRect(), Thumb.BoundsRect()) << Name;
    ExpectDistinctStates(Top("TrackBar"), Name, {osNormal, osHot, osPressed, osFocused, osDisabled});
  }
  for (const char* Name : {"ThumbVert", "ThumbVertRight", "ThumbVertLeft"}) {
    EXPECT_EQ(Part("TrackBar", Name).BoundsRect(), Upright.BoundsRect()) << Name;
    ExpectDistinctStates(Top("TrackBar"), Name, {osNormal, osHot, osPressed, osFocused, osDisabled});
  }
}

// Check boxes and radio buttons: the glyph size is the "Checked" part's, every glyph is
// drawn at its own size, and each state the control sets looks different.
TEST_F(DarkSkin, CheckGlyphsAre15PixelsInEveryState) {
  for (const char* Top_ : {"CheckBox", "RadioButton"})
    for (const char* Name : {"Unchecked", "Checked", "Mixed"}) {
      if (Top(Top_).FindObject(Name) == nullptr)
        continue;
      const auto& Glyph = dynamic_cast<TSeButtonObject&>(Part(Top_, Name));
      EXPECT_EQ(Glyph.Width(), 15);
      EXPECT_EQ(Glyph.Height(), 15);
      for (TSeState State : {osNormal, osHot, osPressed, osFocused, osDisabled}) {
        EXPECT_EQ(PictureInState(Glyph, State)->Rect.Width(), 15) << Top_ << "." << Name;
        EXPECT_EQ(PictureInState(Glyph, State)->Rect.Height(), 15) << Top_ << "." << Name;
      }
      ExpectDistinctStates(Top(Top_), Name, {osNormal, osHot, osPressed, osFocused, osDisabled});
    }
}

// Every control's states can be told apart in the states that control sets.
TEST_F(DarkSkin, ControlsLookDifferentInEachStateTheySet) {
  const std::initializer_list<TSeState> Pushed = {osNormal, osHot, osPressed, osFocused, osDisabled};
  ExpectDistinctStates(Top("Button"), "Face", Pushed);
  ExpectDistinctStates(Top("SpeedButton"), "Face", Pushed);
  ExpectDistinctStates(Top("Edit"), "Frame", {osNormal, osHot, osFocused, osDisabled});
  ExpectDistinctStates(Top("ComboBox"), "Frame", {osNormal, osHot, osFocused, osDisabled});
  ExpectDistinctStates(Top("ComboBox"), "Button", {osNormal, osHot, osPressed, osDisabled});
  ExpectDistinctStates(Top("ListBox"), "Frame", {osNormal, osDisabled});
  ExpectDistinctStates(Top("Tabs"), "Tab", {osNormal, osHot, osFocused});
  ExpectDistinctStates(Top("Tabs"), "LeftButton", {osNormal, osHot, osPressed});
  ExpectDistinctStates(Top("Tabs"), "RightButton", {osNormal, osHot, osPressed});
  ExpectDistinctStates(Top("Header"), "Section", {osNormal, osHot, osPressed});
  ExpectDistinctStates(Top("PopupMenu"), "Item", {osNormal, osHot, osFocused});
  ExpectDistinctStates(Top("MenuBar"), "Item", {osNormal, osHot, osFocused});
  ExpectDistinctStates(Top("SpinButton"), "Face", {osNormal, osHot, osPressed, osDisabled});
  // The selected tab's text is set apart from the others, the disabled texts are dimmed.
  auto& Text = dynamic_cast<TSeTextObject&>(Part("Tabs", "Text"));
  EXPECT_NE(Text.FontFocused.Color(), Text.Font.Color());
  EXPECT_NE(Text.FontHot.Color(), Text.Font.Color());
  for (const char* Name : {"CheckBox", "RadioButton", "Button", "Edit", "Tabs"}) {
    auto& Face = dynamic_cast<TSeTextObject&>(Part(Name, "Text"));
    EXPECT_LT(Brightness(Face.FontDisabled.Color()), Brightness(Face.Font.Color()) - 150) << Name;
  }
}

// Popup menus: the content starts inside the frame's margins, and separators are as tall as
// items, so their picture is never stretched across its line.
TEST_F(DarkSkin, PopupMenuFramesItemsAndSeparators) {
  const TSeSkinObject& Frame = Part("PopupMenu", "Frame");
  EXPECT_EQ((TRect{Frame.MarginLeft, Frame.MarginTop, Frame.MarginRight, Frame.MarginBottom}),
            (TRect{3, 3, 4, 4}));
  const auto& Separator = dynamic_cast<TSeBitmapObject&>(Part("PopupMenu", "Separator"));
  EXPECT_EQ(Separator.Height(), Part("PopupMenu", "Item").Height());
  EXPECT_EQ(Separator.Bitmap->Rect.Height(), Separator.Height());
  EXPECT_EQ(Separator.MarginTop + Separator.MarginBottom, 0);
  EXPECT_GT(Part("PopupMenu", "Item").TextMarginLeft, 0);
}

// A dark look: dark surfaces under light text, the same for the window body the form hands
// to its controls, the label, the list and the hint.
TEST_F(DarkSkin, IsDarkWithLightText) {
  for (const char* Name : {"Form", "ToolWindow", "Label", "ListBox"}) {
    EXPECT_LT(Brightness(Top(Name).Color), 3 * 64) << Name;
  }
  for (const char* Name : {"Form", "ToolWindow", "Label", "Hint"})
    EXPECT_GT(Brightness(Top(Name).Font.Color()), 3 * 180) << Name;
  EXPECT_GT(Brightness(Part("Form", "Title").Font.Color()), 3 * 200);
  EXPECT_GT(Brightness(Part("PopupMenu", "Item").Font.Color()), 3 * 180);
  EXPECT_GT(Brightness(Part("Header", "Section").Font.Color()), 3 * 180);
  EXPECT_GT(Brightness(Part("GroupBox", "Caption").Font.Color()), 3 * 180);
  // The group box's frame has see-through corners, so the box paints see-through.
  const auto& GroupFrame = dynamic_cast<TSeBitmapObject&>(Part("GroupBox", "Frame"));
  EXPECT_TRUE(GroupFrame.Masked || GroupFrame.MaskedBorder || GroupFrame.MaskedAngles);
  EXPECT_GT(Top("Hint").MarginLeft + Top("Hint").MarginRight, 0);
}

} // namespace
