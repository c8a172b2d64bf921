// Stored layouts of the form frame and the plain controls: what each writes at its defaults
// and with values changed (in stream order), that the text reads back to the same text, a
// picture's bytes, references between the components of a form, and that every class a
// layout names can be made by that name.

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "controls/frame/SeSkinForm.h"
#include "controls/menu/SeSkinPopupMenu.h"
#include "skin/SkinEngine.h"
#include "toolkit/Bevel.h"
#include "toolkit/ClassRegistry.h"
#include "toolkit/ControlProps.h"
#include "toolkit/Forms.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/PropertyStream.h"

namespace {

const std::string Random = "'[ RANDOM ] - Random selection'";

// The name of a text line's property ("Font" for "Font.Name = ..."), empty for other lines.
std::string PropertyOf(const std::string& Line) {
  const size_t Start = Line.find_first_not_of(' ');
  const size_t Equals = Line.find(" = ");
  if (Start == std::string::npos || Equals == std::string::npos)
    return {};
  const std::string Path = Line.substr(Start, Equals - Start);
  return Path.substr(0, Path.find('.'));
}

// Whether the class takes Name from the shared control table as it is there (its default,
// if any, is the shared table's business).
bool SharedAsIs(const TPropTable& Table, const std::string& Name) {
  const TPropInfo* Own = Table.Find(Name);
  const TPropInfo* Shared = TControl::Properties().Find(Name);
  return Own && Shared && Own->Default == Shared->Default;
}

// Text without the lines of shared control properties; with Fresh, only those lines that a
// fresh object writes alike (the values the test did not change).
std::string WithoutShared(const std::string& Text, const TPropTable& Table,
                          const std::string* Fresh = nullptr) {
  std::istringstream Lines(Text);
  std::string Line, Kept;
  while (std::getline(Lines, Line)) {
    const bool Unchanged = !Fresh || Fresh->find(Line + "\n") != std::string::npos;
    if (!(SharedAsIs(Table, PropertyOf(Line)) && Unchanged))
      Kept += Line + "\n";
  }
  return Kept;
}

class LayoutTableTest : public ::testing::Test {
protected:
  void SetUp() override { Application->Initialize(); }
  TForm* NewForm(const char* Name = "Form1") {
    auto* Form = MakeComponent<TForm>(Application);
    Form->SetName(Name);
    Form->MaximizeBox = true; // the frame's default buttons, maximize included
    return Form;
  }
  template <class T> T* Make(TForm* Form, const char* Name) {
    auto* Made = MakeComponent<T>(Form);
    Made->SetName(Name);
    if constexpr (std::is_base_of_v<TControl, T>)
      Made->SetParent(Form);
    return Made;
  }
  // Each control: its defaults write nothing of its own; Change gives it values whose text
  // is Expected (shared properties the test leaves alone taken out); the text reads back
  // into a new control of the class and writes the same again.
  template <class T, class F>
  void CheckControl(const char* Name, F Change, const std::string& Expected) {
    SCOPED_TRACE(Name);
    TForm* Form = NewForm();
    T* Fresh = Make<T>(Form, Name);
    const std::string FreshText = ComponentToText(*Fresh);
    EXPECT_EQ(WithoutShared(FreshText, T::Properties()),
              std::string("object ") + Name + ": " + Fresh->ClassName() + "\r\nend\r\n");
    T* Changed = Make<T>(Form, "Changed");
    Change(*Changed);
    const std::string Text = ComponentToText(*Changed);
    EXPECT_EQ(WithoutShared(Text, T::Properties(), &FreshText), Expected);
    TForm* Other = NewForm("Form2");
    T* Copy = Make<T>(Other, "Copy");
    ComponentFromText(Text, *Copy);
    EXPECT_EQ(ComponentToText(*Copy), Text);
    Other->Free();
    Form->Free();
  }
  TApplicationScope App;
};

TEST_F(LayoutTableTest, PlainControlsWriteTheirOwnPropertiesOnlyWhenChanged) {
  CheckControl<TPanel>(
      "Panel1",
      [](TPanel& Panel) {
        Panel.SetBounds(32, 131, 33, 34);
        Panel.SetHint("Opacity a window");
        Panel.BevelInner = TPanelBevel::bvLowered;
        Panel.BevelOuter = TPanelBevel::bvNone;
        Panel.SetCaption("Drag");
        Panel.SetColor(clWindow);
      },
      "object Changed: TPanel\r\n  Left = 32\r\n  Top = 131\r\n  Width = 33\r\n  Height = 34\r\n"
      "  Hint = 'Opacity a window'\r\n  BevelInner = bvLowered\r\n  BevelOuter = bvNone\r\n"
      "  Caption = 'Drag'\r\n  Color = clWindow\r\nend\r\n");
  CheckControl<TBevel>(
      "bvl1",
      [](TBevel& Bevel) {
        Bevel.SetBounds(16, 112, 433, 105);
        Bevel.Shape = TBevelShape::bsFrame;
        Bevel.Style = TBevelStyle::bsRaised;
        Bevel.SetVisible(false);
      },
      "object Changed: TBevel\r\n  Left = 16\r\n  Top = 112\r\n  Width = 433\r\n  Height = 105\r\n"
      "  Shape = bsFrame\r\n  Style = bsRaised\r\n  Visible = False\r\nend\r\n");
  CheckControl<TLabel>(
      "Label1",
      [](TLabel& Label) {
        Label.SetAutoSize(false);
        Label.SetBounds(80, 32, 361, 65);
        Label.SetCaption("Drag target over a window");
        Label.SetEnabled(false);
        Label.SetWordWrap(true);
      },
      "object Changed: TLabel\r\n  Left = 80\r\n  Top = 32\r\n  Width = 361\r\n  Height = 65\r\n"
      "  AutoSize = False\r\n  Caption = 'Drag target over a window'\r\n  Enabled = False\r\n"
      "  WordWrap = True\r\nend\r\n");
  CheckControl<TImage>(
      "img1",
      [](TImage& Image) {
        Image.SetBounds(1, 2, 32, 31);
        Image.SetEnabled(false);
      },
      "object Changed: TImage\r\n  Left = 1\r\n  Top = 2\r\n  Width = 32\r\n  Height = 31\r\n"
      "  Enabled = False\r\nend\r\n");
}

// The pixels of a bitmap as 32-bit values, bottom row first.
std::vector<uint32_t> PixelsOf(const TBitmap& Bitmap) {
  std::vector<uint32_t> Pixels(static_cast<size_t>(Bitmap.Width() * Bitmap.Height()));
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  Info.bmiHeader.biWidth = Bitmap.Width();
  Info.bmiHeader.biHeight = Bitmap.Height();
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  const HDC Screen = GetDC(nullptr);
  GetDIBits(Screen, Bitmap.Handle(), 0, Bitmap.Height(), Pixels.data(), &Info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, Screen);
  return Pixels;
}

TEST_F(LayoutTableTest, APictureIsStoredAsItsClassNameAndBmpBytesAndReadsBackPixelForPixel) {
  TForm* Form = NewForm();
  auto* Image = Make<TImage>(Form, "Image3");
  TBitmap& Bitmap = Image->Picture().Bitmap();
  Bitmap.SetSize32(5, 3);
  DIBSECTION Section{};
  ASSERT_EQ(GetObjectW(Bitmap.Handle(), sizeof Section, &Section), int(sizeof Section));
  auto* Bits = static_cast<uint32_t*>(Section.dsBm.bmBits);
  for (uint32_t I = 0; I < 15; ++I)
    Bits[I] = 0x00102030u * (I + 1) ^ (I << 20);
  GdiFlush();
  const std::vector<uint32_t> Expected = PixelsOf(Bitmap);

  TMemoryStream Binary;
  WriteComponentBinary(Binary, *Image);
  const std::vector<uint8_t>& Bytes = Binary.Bytes();
  const std::string Name = "\x0CPicture.Data\x0A";
  const auto At = std::search(Bytes.begin(), Bytes.end(), Name.begin(), Name.end());
  ASSERT_NE(At, Bytes.end());
  const uint8_t* Data = &*At + Name.size();
  const int32_t BmpSize = 14 + 40 + 15 * 4;
  int32_t Total = 0, Length = 0;
  std::memcpy(&Total, Data, 4);
  EXPECT_EQ(Total, 1 + 7 + 4 + BmpSize);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(Data + 4), 8), "\x07TBitmap");
  std::memcpy(&Length, Data + 12, 4);
  EXPECT_EQ(Length, BmpSize);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(Data + 16), 2), "BM");

  const std::string Text = ComponentToText(*Image);
  TForm* Other = NewForm("Form2");
  auto* Copy = Make<TImage>(Other, "Copy");
  ComponentFromText(Text, *Copy);
  const TBitmap* Read = Copy->Picture().BitmapOrNull();
  ASSERT_TRUE(Read && !Read->Empty());
  EXPECT_EQ(Read->Width(), 5);
  EXPECT_EQ(Read->Height(), 3);
  EXPECT_EQ(PixelsOf(*Read), Expected);
  EXPECT_EQ(ComponentToText(*Copy), Text);

  // Bytes that are not a bitmap do not read as one.
  std::vector<uint8_t> Broken(Bytes);
  Broken[static_cast<size_t>(Data + 16 - Bytes.data())] = 'X';
  TMemoryStream BrokenStream(Broken);
  auto* Unread = Make<TImage>(Other, "Unread");
  EXPECT_THROW(ReadComponentBinary(BrokenStream, *Unread), Exception);
  Other->Free();
  Form->Free();
}

// A BMP file of 3 x 2 pixels, 8 bits with a colour table of two entries.
std::vector<uint8_t> PalettedBmp() {
  const uint32_t Offset = 14 + 40 + 2 * 4, Size = Offset + 2 * 4;
  std::vector<uint8_t> File{'B', 'M'};
  const auto Put = [&File](uint32_t Value, int Count) {
    for (int I = 0; I < Count; ++I)
      File.push_back(static_cast<uint8_t>(Value >> (8 * I)));
  };
  Put(Size, 4), Put(0, 4), Put(Offset, 4);
  Put(40, 4), Put(3, 4), Put(2, 4), Put(1, 2), Put(8, 2), Put(BI_RGB, 4), Put(8, 4);
  Put(0, 4), Put(0, 4), Put(2, 4), Put(0, 4);
  Put(0x00FF0000, 4), Put(0x000000FF, 4);            // red, blue
  File.insert(File.end(), {0, 1, 0, 0, 1, 1, 0, 0}); // rows padded to 4 bytes
  return File;
}

TEST_F(LayoutTableTest, APalettedBitmapKeepsItsDepthAndColoursWhenStoredAgain) {
  TMemoryStream Source(PalettedBmp());
  TBitmap Bitmap;
  Bitmap.LoadFromStream(Source);
  const std::vector<uint32_t> Pixels = PixelsOf(Bitmap);
  EXPECT_EQ(Pixels, (std::vector<uint32_t>{0xFF0000, 0xFF, 0xFF0000, 0xFF, 0xFF, 0xFF0000}));
  TMemoryStream Saved;
  Bitmap.SaveToStream(Saved);
  ASSERT_GE(Saved.Size(), 14 + 40);
  EXPECT_EQ(Saved.Bytes()[28], 8); // the depth: 8 bits, with its table
  EXPECT_EQ(Saved.Size(), 14 + 40 + 256 * 4 + 2 * 4);
  Saved.SetPosition(0);
  TBitmap Again;
  Again.LoadFromStream(Saved);
  EXPECT_EQ(PixelsOf(Again), Pixels);
  TMemoryStream SavedAgain;
  Again.SaveToStream(SavedAgain);
  EXPECT_EQ(SavedAgain.Bytes(), Saved.Bytes());
}

TEST_F(LayoutTableTest, TheFormFrameWritesItsPropertiesInStreamOrder) {
  TForm* Form = NewForm();
  auto* Defaults = Make<TSeSkinForm>(Form, "SeSkinForm1");
  const std::string OptionLines = "  Animation.EffectKind = " + Random +
                                  "\r\n"
                                  "  SystemMenuOptions.Animation.EffectKind = " +
                                  Random +
                                  "\r\n"
                                  "  TrayMenuOptions.Animation.EffectKind = " +
                                  Random + "\r\n";
  // The border icons are always written: a new frame takes them from its form (this one has
  // its maximise box).
  EXPECT_EQ(ComponentToText(*Defaults),
            "object SeSkinForm1: TSeSkinForm\r\n  Animation.EffectKind = " + Random +
                "\r\n  BorderIcons = [qbiClose, qbiSystemMenu, qbiMinimize, qbiMaximize]\r\n" +
                OptionLines.substr(OptionLines.find("  SystemMenuOptions")) + "end\r\n");
  Defaults->Free();

  auto* Engine = Make<TSeSkinEngine>(Form, "SeSkinEngine1");
  auto* SystemMenu = Make<TSeSkinPopupMenu>(Form, "pmSystem");
  auto* TrayMenu = Make<TSeSkinPopupMenu>(Form, "pmTray");
  auto* Frame = Make<TSeSkinForm>(Form, "SeSkinForm1");
  Frame->SetActive(false);
  Frame->Animation().SetEnabled(true);
  Frame->Animation().SetTime(500);
  Frame->Blending().SetEnabled(true);
  Frame->Blending().SetValue(200);
  Frame->SetBorderIcons((1 << qbiClose) | (1 << qbiSystemMenu) | (1 << qbiMinimize) |
                        (1 << qbiRollup));
  Frame->SetBorderStyle(qbsNone);
  Frame->SetCaption("Mirevan V1.0");
  Frame->Dragging().DragMode = qfdmBorder;
  Frame->Gravitation().SetSize(30);
  Frame->SetConstraints({200, 0, 0, 600});
  TSeBlending Translucent;
  Translucent.SetEnabled(true);
  Frame->SystemMenuOptions().SetBlending(Translucent);
  Frame->SetSystemMenuLink(SystemMenu);
  TSeShadow Shadowed;
  Shadowed.SetEnabled(true);
  Frame->TrayMenuOptions().SetShadow(Shadowed);
  Frame->SetTrayMenuLink(TrayMenu);
  Frame->SetMinimizeApplication(false);
  Frame->SetPerformance(qzfpDoubleBuffer);
  Frame->Shadow().SetEnabled(true);
  Frame->Shadow().SetSize(6);
  Frame->SetStayOnTop(true);
  Frame->SetStretchBackground(true);
  Frame->SetSkinEngine(Engine);
  Frame->SetSkinObject("Dialog");
  const std::string Text = ComponentToText(*Frame);
  EXPECT_EQ(Text, "object SeSkinForm1: TSeSkinForm\r\n"
                  "  Active = False\r\n"
                  "  Animation.EffectKind = " +
                      Random +
                      "\r\n"
                      "  Animation.Enabled = True\r\n"
                      "  Animation.Time = 500\r\n"
                      "  Blending.Enabled = True\r\n"
                      "  Blending.Value = 200\r\n"
                      "  BorderIcons = [qbiClose, qbiSystemMenu, qbiMinimize, qbiRollup]\r\n"
                      "  BorderStyle = qbsNone\r\n"
                      "  Caption = 'Mirevan V1.0'\r\n"
                      "  Dragging.DragMode = qfdmBorder\r\n"
                      "  Gravitation.Size = 30\r\n"
                      "  Constraints.MaxHeight = 600\r\n"
                      "  Constraints.MinWidth = 200\r\n"
                      "  SystemMenuOptions.Blending.Enabled = True\r\n"
                      "  SystemMenuOptions.Animation.EffectKind = " +
                      Random +
                      "\r\n"
                      "  SystemMenuLink = pmSystem\r\n"
                      "  TrayMenuOptions.Shadow.Enabled = True\r\n"
                      "  TrayMenuOptions.Animation.EffectKind = " +
                      Random +
                      "\r\n"
                      "  TrayMenuLink = pmTray\r\n"
                      "  MinimizeApplication = False\r\n"
                      "  Performance = qzfpDoubleBuffer\r\n"
                      "  Shadow.Enabled = True\r\n"
                      "  Shadow.Size = 6\r\n"
                      "  StayOnTop = True\r\n"
                      "  StretchBackground = True\r\n"
                      "  SkinEngine = SeSkinEngine1\r\n"
                      "  SkinObject = 'Dialog'\r\n"
                      "end\r\n");
  // Read into a new frame of the same form, the references resolve as it ends loading.
  Frame->Free();
  auto* Copy = MakeComponent<TSeSkinForm>(Form);
  Copy->SetLoading(true);
  ComponentFromText(Text, *Copy);
  Copy->Loaded();
  EXPECT_EQ(Copy->SkinEngine(), Engine);
  EXPECT_EQ(Copy->SystemMenuLink(), SystemMenu);
  EXPECT_EQ(ComponentToText(*Copy), Text);
  Form->Free();
}

TEST_F(LayoutTableTest, AFormReadsBackWithTheFrameReferencesResolvedAndItsStateApplied) {
  TForm* Form = NewForm();
  auto* Frame = Make<TSeSkinForm>(Form, "SeSkinForm1");
  auto* Engine = Make<TSeSkinEngine>(Form, "SeSkinEngine1");
  auto* Menu = Make<TSeSkinPopupMenu>(Form, "pmTray");
  Frame->SetSkinEngine(Engine);
  Frame->SetSystemMenuLink(Menu);
  Frame->SetTrayMenuLink(Menu);
  Frame->SetCaption("Mirevan V1.0");
  Frame->Animation().SetEnabled(true);
  // A stored state comes after the menu links, before the skin engine.
  const auto WithState = [](std::string Text, const std::string& Indent) {
    const std::string Links = Indent + "TrayMenuLink = pmTray\r\n";
    const size_t At = Text.find(Links);
    EXPECT_NE(At, std::string::npos) << Text;
    return Text.insert(At + Links.size(), Indent + "WindowState = qwsMaximized\r\n");
  };
  const std::string Text = WithState(ComponentToText(*Form), "    ");
  const std::string FrameText = WithState(ComponentToText(*Frame), "  ");

  TForm* Copy = NewForm("Form2");
  Copy->SetLoading(true);
  ComponentFromText(Text, *Copy);
  auto* ReadFrame = dynamic_cast<TSeSkinForm*>(Copy->FindComponent("SeSkinForm1"));
  ASSERT_NE(ReadFrame, nullptr);
  EXPECT_EQ(ReadFrame->SkinEngine(), Copy->FindComponent("SeSkinEngine1"));
  EXPECT_EQ(ReadFrame->SystemMenuLink(), Copy->FindComponent("pmTray"));
  EXPECT_EQ(ReadFrame->TrayMenuLink(), Copy->FindComponent("pmTray"));
  EXPECT_NE(ReadFrame->SkinEngine(), nullptr);
  EXPECT_EQ(ReadFrame->Caption(), "Mirevan V1.0");
  EXPECT_TRUE(ReadFrame->Animation().Enabled());
  // The state read waits for the form's window; the text keeps it meanwhile.
  EXPECT_EQ(ReadFrame->WindowState(), qwsNormal);
  EXPECT_EQ(ComponentToText(*ReadFrame), FrameText);
  EXPECT_EQ(ComponentToText(*Copy->FindComponent("pmTray")), ComponentToText(*Menu));
  for (int I = 0; I < 50 && ReadFrame->WindowState() != qwsMaximized; ++I) {
    Application->ProcessMessages();
    Sleep(10);
  }
  EXPECT_EQ(ReadFrame->WindowState(), qwsMaximized);
  Copy->Free();
  Form->Free();
}

TEST_F(LayoutTableTest, EveryClassAMainWindowLayoutNamesIsMadeByThatName) {
  for (const char* Name : {"TSeSkinButton",
                           "TSeCustomButton",
                           "TSeSkinCheckBox",
                           "TSeCustomCheckBox",
                           "TSeSkinGroupBox",
                           "TSeCustomGroupBox",
                           "TSeSkinLabel",
                           "TSeCustomLabel",
                           "TSeSkinTrackBar",
                           "TSeCustomTrackBar",
                           "TSeSkinEngine",
                           "TSeSkinList",
                           "TSeSkinForm",
                           "TSeCustomForm",
                           "TSeSkinHint",
                           "TSeSkinEdit",
                           "TSeSkinSListView",
                           "TSeSkinPageControl",
                           "TSeCustomTabSheet",
                           "TSeSkinPopupMenu",
                           "TSeSkinItem",
                           "TPanel",
                           "TImage",
                           "TBevel",
                           "TLabel",
                           "TTimer"}) {
    const TPersistentFactory* Factory = FindPersistentClass(Name);
    ASSERT_NE(Factory, nullptr) << Name;
    const std::unique_ptr<TPersistent> Made = (*Factory)(nullptr);
    EXPECT_EQ(Made->ClassName(), Name);
  }
}

} // namespace
