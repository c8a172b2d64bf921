// The main window's stored layout against the window's design, row by row: every component
// with its class, its place in the tree, its caption, hint and bounds, the skin it follows,
// and the settings of the non-visual components. The rows are written from the design, not
// from the layout file.

#include <gtest/gtest.h>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "toolkit/PropertyText.h"
#include "tools/layoutinfo/LayoutRecords.h"

namespace {

struct TPlaced {
  const TLayoutRecord* Record;
  std::string Parent;
};

// Every component of the layout by name, with the name of the record it lies in.
void Index(const TLayoutRecord& Record, const std::string& Parent,
           std::map<std::string, TPlaced>& Out) {
  Out[Record.Name] = {&Record, Parent};
  for (const TLayoutRecord& Child : Record.Children)
    Index(Child, Record.Name, Out);
}

class MainLayoutTable : public ::testing::Test {
protected:
  void SetUp() override {
    std::ifstream In(MIREVAN_MAIN_LAYOUT_SOURCE, std::ios::binary);
    const std::string Text{std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(Text.empty()) << MIREVAN_MAIN_LAYOUT_SOURCE;
    TMemoryStream Binary;
    ObjectTextToBinary(Text, Binary);
    Binary.SetPosition(0);
    Root = ReadLayoutRecords(Binary);
    Index(Root, "", Components);
  }
  // The stored value, or Default where the layout leaves the class's default.
  std::string Value(const std::string& Name, const std::string& Property,
                    const std::string& Default = "(none)") {
    const auto Found = Components.find(Name);
    if (Found == Components.end())
      return "(no component " + Name + ")";
    const std::string* Stored = Found->second.Record->Value(Property);
    return Stored ? *Stored : Default;
  }
  TLayoutRecord Root;
  std::map<std::string, TPlaced> Components;
};

std::string Quoted(const std::string& Text) {
  std::string Result = "'";
  for (char C : Text)
    Result += C == '\'' ? std::string("''") : std::string(1, C);
  return Result + "'";
}

struct TRow {
  const char* Name;
  const char* Class;
  const char* Parent;
  const char* Caption; // null: none stored
  const char* Hint;    // null: none stored
  std::vector<int> Bounds; // left, top[, width, height]
  bool Attached;       // to SeSkinEngine1
};

const char* const TransparentText =
    "    Click \"Transparent\" button  you can Transparent all opened window. Mirevan also "
    "spying new opened window, transparent it automatic.";
const char* const OpacityText =
    "    Click\"Opacity\" button  you can return all opened window to original state. If you "
    "unchecked  Option(Opacity while exit application) all  window will still  transparent.";
const char* const DragText =
    "    Drag target over a window  to select it, then release  the mouse button. The window "
    "which you selected will be transparent automatic. The transparency is same as global "
    "transparency.";
const char* const UndragText =
    "    Drag target over a window which is transparent to select it, then release  the mouse "
    "button. The window which you selected will be opacity automatic.";
const char* const StartText = "Transparent current all opened window while run this application";
const char* const NewText = "Transparent while new window show or opened";
const char* const CloseText = "Opacity all transparent window while exit application";
const char* const AutoText = "Auto start application while Windows  start";
const char* const DragHint = "Transparent a window by dragging over the window";

const std::vector<TRow> Rows = {
    // Page 0, "Operate".
    {"btnTransparent", "TSeSkinButton", "tsOperate", "Transparent", "Transparent all opened window", {16, 31, 75, 23}, true},
    {"SeSkinGroupBox5", "TSeSkinGroupBox", "tsOperate", nullptr, nullptr, {96, 32, 353, 129}, false},
    {"Image3", "TImage", "SeSkinGroupBox5", nullptr, nullptr, {16, 16, 64, 56}, false},
    {"SeSkinLabel1", "TSeSkinLabel", "SeSkinGroupBox5", TransparentText, nullptr, {88, 16, 249, 89}, true},
    {"btnOpacity", "TSeSkinButton", "tsOperate", "Opacity", "Opacity all transparenty window", {16, 175, 75, 23}, true},
    {"SeSkinGroupBox6", "TSeSkinGroupBox", "tsOperate", nullptr, nullptr, {96, 176, 353, 129}, false},
    {"Image2", "TImage", "SeSkinGroupBox6", nullptr, nullptr, {16, 16, 64, 56}, false},
    {"SeSkinLabel2", "TSeSkinLabel", "SeSkinGroupBox6", OpacityText, nullptr, {88, 16, 249, 89}, true},
    // Page 1, "Windows List".
    {"SeSkinLabel12", "TSeSkinLabel", "tsWindowsList", "Handled Windows List:", nullptr, {16, 16}, false},
    {"btnRefresh", "TSeSkinButton", "tsWindowsList", "Refresh", "Refresh handled window list", {238, 12, 107, 23}, true},
    {"btnMakeTransparent", "TSeSkinButton", "tsWindowsList", "Make Transparent", "Transparent window which checked in list", {352, 39, 107, 23}, true},
    {"btnMakeOpacity", "TSeSkinButton", "tsWindowsList", "Make Opacity", "Opacity window which checked in list", {352, 71, 107, 23}, true},
    {"lvList", "TSeSkinSListView", "tsWindowsList", nullptr, "Click column to  sort list", {16, 40, 329, 265}, true},
    {"btnCheckAll", "TSeSkinButton", "tsWindowsList", "Check All", "Check all window in list", {352, 255, 107, 23}, true},
    {"btnUnCheckall", "TSeSkinButton", "tsWindowsList", "Uncheck All", "Uncheck all window in list", {352, 279, 107, 23}, true},
    // Page 2, "Drag Operate".
    {"bvl1", "TBevel", "tsDragOperate", nullptr, nullptr, {16, 16, 433, 89}, false},
    {"bvl2", "TBevel", "tsDragOperate", nullptr, nullptr, {16, 112, 433, 105}, false},
    {"pnlDrag", "TPanel", "tsDragOperate", nullptr, DragHint, {32, 36, 32, 32}, false},
    {"img1", "TImage", "pnlDrag", nullptr, DragHint, {0, 0, 32, 32}, false},
    {"SeSkinLabel4", "TSeSkinLabel", "tsDragOperate", DragText, nullptr, {80, 32, 361, 65}, true},
    {"Panel1", "TPanel", "tsDragOperate", nullptr, "Opacity a window by dragging over the window", {32, 131, 32, 32}, false},
    {"img2", "TImage", "Panel1", nullptr, nullptr, {0, 0, 32, 32}, false},
    {"SeSkinLabel11", "TSeSkinLabel", "tsDragOperate", UndragText, nullptr, {80, 128, 361, 73}, true},
    {"edtText", "TSeSkinLabel", "tsDragOperate", "Window Text:", nullptr, {16, 232}, false},
    {"edtCaption", "TSeSkinEdit", "tsDragOperate", nullptr, "Show the text of window which drag over", {89, 227, 352, 23}, true},
    {"SeSkinLabel14", "TSeSkinLabel", "tsDragOperate", "Window Class:", nullptr, {16, 264}, false},
    {"edtClass", "TSeSkinEdit", "tsDragOperate", nullptr, "Show the class name of window which drag over", {89, 259, 352, 23}, true},
    {"chkIsTransparent", "TSeSkinCheckBox", "tsDragOperate", "Is Transparent", "The window which dragged by mouse is transparent?", {352, 288, 97, 20}, true},
    // Page 3, "Settings".
    {"SeSkinGroupBox1", "TSeSkinGroupBox", "tsSettings", "Common Settings", nullptr, {16, 16, 441, 153}, true},
    {"chkStart", "TSeSkinCheckBox", "SeSkinGroupBox1", StartText, StartText, {16, 24, 393, 20}, true},
    {"chkNewWindow", "TSeSkinCheckBox", "SeSkinGroupBox1", NewText, NewText, {16, 56, 393, 20}, true},
    {"chkClose", "TSeSkinCheckBox", "SeSkinGroupBox1", CloseText, CloseText, {16, 88, 393, 20}, true},
    {"chkAutoStart", "TSeSkinCheckBox", "SeSkinGroupBox1", AutoText, AutoText, {16, 120, 393, 20}, true},
    {"SeSkinGroupBox2", "TSeSkinGroupBox", "tsSettings", "Transparency Adjust", nullptr, {16, 176, 441, 129}, true},
    {"tbTransparency", "TSeSkinTrackBar", "SeSkinGroupBox2", nullptr, "Adjust transparency by control the progress", {16, 72, 329, 45}, true},
    {"lblTransparency", "TSeSkinLabel", "SeSkinGroupBox2", nullptr, nullptr, {360, 88, 65, 13}, true},
};

// The skin object each kind of skinned control names.
const std::map<std::string, std::string> SkinObjects = {
    {"TSeSkinButton", "'Button'"}, {"TSeSkinGroupBox", "'GroupBox'"},
    {"TSeSkinLabel", "'Label'"},   {"TSeSkinCheckBox", "'CheckBox'"},
    {"TSeSkinEdit", "'Edit'"},     {"TSeSkinTrackBar", "'TrackBar'"},
    {"TSeSkinSListView", "'ListBox'"}};

const char* const Random = "'[ RANDOM ] - Random selection'";

} // namespace

TEST_F(MainLayoutTable, EveryControlOfEveryPageIsInItsPlaceWithItsTextsAndItsSkin) {
  for (const TRow& Row : Rows) {
    SCOPED_TRACE(Row.Name);
    ASSERT_TRUE(Components.count(Row.Name));
    const TPlaced& Placed = Components[Row.Name];
    EXPECT_EQ(Row.Class, Placed.Record->ClassName);
    EXPECT_EQ(Row.Parent, Placed.Parent);
    EXPECT_EQ(Row.Caption ? Quoted(Row.Caption) : "(none)", Value(Row.Name, "Caption"));
    EXPECT_EQ(Row.Hint ? Quoted(Row.Hint) : "(none)", Value(Row.Name, "Hint"));
    const char* const Bounds[] = {"Left", "Top", "Width", "Height"};
    for (size_t I = 0; I < Row.Bounds.size(); ++I)
      EXPECT_EQ(std::to_string(Row.Bounds[I]), Value(Row.Name, Bounds[I])) << Bounds[I];
    EXPECT_EQ(Row.Attached ? "SeSkinEngine1" : "(none)", Value(Row.Name, "SkinEngine"));
    if (SkinObjects.count(Row.Class)) {
      EXPECT_EQ(SkinObjects.at(Row.Class), Value(Row.Name, "SkinObject"));
    }
  }
  // The layout holds nothing more than the design: the rows, the pages and their control,
  // the About page's boxes, the four non-visual components, and the Shortcuts page (its box,
  // four rows of label, field and mark, and its help).
  EXPECT_EQ(Rows.size() + 6 + 5 + 4 + 1 + 14, Components.size() - 1);
}

TEST_F(MainLayoutTable, TheWindowItsPagesAndTheNonVisualComponentsHaveTheirSettings) {
  EXPECT_EQ("TfrmTransparentMain", Root.ClassName);
  EXPECT_EQ("'Mirevan '", Value("frmTransparentMain", "Caption"));
  EXPECT_EQ("471", Value("frmTransparentMain", "ClientWidth"));
  EXPECT_EQ("332", Value("frmTransparentMain", "ClientHeight"));
  EXPECT_EQ("poDesktopCenter", Value("frmTransparentMain", "Position"));
  EXPECT_EQ("True", Value("frmTransparentMain", "ShowHint"));
  EXPECT_EQ("'MS Sans Serif'", Value("frmTransparentMain", "Font.Name"));
  EXPECT_EQ("-11", Value("frmTransparentMain", "Font.Height")); // 8 points

  EXPECT_EQ("TSeSkinEngine", Components["SeSkinEngine1"].Record->ClassName);
  EXPECT_EQ("0", Value("SeSkinEngine1", "DeltaHue", "0"));
  EXPECT_EQ("'3.4.0'", Value("SeSkinEngine1", "Version"));
  EXPECT_EQ("{0 bytes}", Value("SeSkinEngine1", "SkinStream")); // the build fills it

  EXPECT_EQ("TSeSkinForm", Components["SeSkinForm1"].Record->ClassName);
  EXPECT_EQ("'Form'", Value("SeSkinForm1", "SkinObject", "'Form'"));
  EXPECT_EQ("'Mirevan V1.0'", Value("SeSkinForm1", "Caption"));
  EXPECT_EQ("[qbiClose, qbiSystemMenu, qbiMinimize, qbiRollup]",
            Value("SeSkinForm1", "BorderIcons"));
  EXPECT_EQ("qbsStandard", Value("SeSkinForm1", "BorderStyle", "qbsStandard"));
  EXPECT_EQ("False", Value("SeSkinForm1", "StayOnTop", "False"));
  EXPECT_EQ("qwsNormal", Value("SeSkinForm1", "WindowState", "qwsNormal"));
  EXPECT_EQ("True", Value("SeSkinForm1", "Animation.Enabled"));
  EXPECT_EQ(Random, Value("SeSkinForm1", "Animation.EffectKind"));
  EXPECT_EQ(Random, Value("SeSkinForm1", "SystemMenuOptions.Animation.EffectKind"));
  EXPECT_EQ(Random, Value("SeSkinForm1", "TrayMenuOptions.Animation.EffectKind"));
  EXPECT_EQ("SeSkinEngine1", Value("SeSkinForm1", "SkinEngine"));

  for (const char* Hint : {"SeSkinHint1", "SeSkinHint2"}) {
    EXPECT_EQ("TSeSkinHint", Components[Hint].Record->ClassName) << Hint;
    EXPECT_EQ("True", Value(Hint, "Active", "True")) << Hint;
    EXPECT_EQ("'Hint'", Value(Hint, "SkinObject")) << Hint;
  }
  EXPECT_EQ("SeSkinEngine1", Value("SeSkinHint1", "SkinEngine"));
  EXPECT_EQ("True", Value("SeSkinHint1", "Animation.Enabled"));
  EXPECT_EQ(Random, Value("SeSkinHint1", "Animation.EffectKind"));
  EXPECT_EQ("(none)", Value("SeSkinHint2", "SkinEngine"));

  // The page control fills the client area, double-buffered, tabs on several lines.
  EXPECT_EQ("frmTransparentMain", Components["SeSkinPageControl1"].Parent);
  EXPECT_EQ("TSeSkinPageControl", Components["SeSkinPageControl1"].Record->ClassName);
  for (const auto& [Property, Expected] :
       std::map<std::string, std::string>{{"Left", "0"}, {"Top", "0"}, {"Width", "471"},
                                          {"Height", "332"}, {"MultiLine", "True"},
                                          {"Performance", "qzpDoubleBuffer"},
                                          {"SkinObject", "'Tabs'"},
                                          {"SkinEngine", "SeSkinEngine1"}})
    EXPECT_EQ(Expected, Value("SeSkinPageControl1", Property)) << Property;
  const char* const Pages[][2] = {{"tsOperate", "Operate"},
                                  {"tsWindowsList", "Windows List"},
                                  {"tsDragOperate", "Drag Operate"},
                                  {"tsSettings", "Settings"},
                                  {"tsAbout", "About"},
                                  {"tsShortcuts", "Shortcuts"}};
  for (int I = 0; I < 6; ++I) {
    EXPECT_EQ("SeSkinPageControl1", Components[Pages[I][0]].Parent) << Pages[I][0];
    EXPECT_EQ(Quoted(Pages[I][1]), Value(Pages[I][0], "Caption"));
    EXPECT_EQ(std::to_string(I), Value(Pages[I][0], "PageIndex", "0"));
  }

  // The list: a report with check boxes, grid lines, hot tracking and whole-row selection (the
  // list's own defaults, which the layout leaves unwritten).
  for (const auto& [Property, Expected] : std::map<std::string, std::vector<std::string>>{
           {"ViewStyle", {"vsReport", "vsReport"}}, {"Checkboxes", {"True", "True"}},
           {"GridLines", {"True", "True"}}, {"HotTrack", {"True", "True"}},
           {"RowSelect", {"True", "True"}}, {"HideSelection", {"False", "True"}},
           {"ReadOnly", {"True", "False"}}, {"BevelInner", {"bvNone", "(none)"}},
           {"BevelOuter", {"bvNone", "(none)"}},
           {"Color", {std::to_string(206 | 207 << 8 | 206 << 16), "clWindow"}},
           {"SkinHeaderObject", {"'Header'", "(none)"}}})
    EXPECT_EQ(Expected[0], Value("lvList", Property, Expected[1])) << Property;
  const std::string Columns = Value("lvList", "Columns");
  EXPECT_NE(std::string::npos, Columns.find("Caption = 'Window Text'"));
  EXPECT_NE(std::string::npos, Columns.find("Width = 200"));
  EXPECT_NE(std::string::npos, Columns.find("Caption = 'Status'"));
  EXPECT_NE(std::string::npos, Columns.find("Width = 80"));

  // The track bar: 0 to 255 from position 3, steps of 10 and 2, ticks every 10 on both sides.
  for (const auto& [Property, Expected] : std::map<std::string, std::vector<std::string>>{
           {"Min", {"0", "0"}}, {"Max", {"255", "10"}}, {"Position", {"3", "3"}},
           {"LineSize", {"10", "1"}}, {"PageSize", {"2", "2"}}, {"Frequency", {"10", "1"}},
           {"TickMarks", {"tmBoth", "tmBottomRight"}}, {"ThumbHalfWidth", {"5", "(none)"}},
           {"Orientation", {"toHorizontal", "toHorizontal"}}})
    EXPECT_EQ(Expected[0], Value("tbTransparency", Property, Expected[1])) << Property;

  // Display-only edits; pictures that leave the mouse to their panels.
  EXPECT_EQ("False", Value("edtCaption", "Enabled"));
  EXPECT_EQ("False", Value("edtClass", "Enabled"));
  EXPECT_EQ("False", Value("img1", "Enabled"));
  EXPECT_EQ("False", Value("img2", "Enabled"));
  EXPECT_EQ("bvNone", Value("pnlDrag", "BevelOuter"));
  EXPECT_EQ("bvNone", Value("Panel1", "BevelOuter"));

  // The About page: the banner in a plain caption-less box, the version and the notice.
  EXPECT_EQ("tsAbout", Components["SeSkinGroupBox3"].Parent);
  EXPECT_EQ("(none)", Value("SeSkinGroupBox3", "SkinEngine"));
  EXPECT_EQ("SeSkinGroupBox3", Components["imgBanner"].Parent);
  EXPECT_EQ("361", Value("imgBanner", "Width"));
  EXPECT_EQ("97", Value("imgBanner", "Height"));
  EXPECT_EQ("SeSkinGroupBox4", Components["lblVersion"].Parent);
  EXPECT_EQ("'Mirevan V2.0012'", Value("lblVersion", "Caption"));
  EXPECT_EQ("SeSkinGroupBox4", Components["lblNotice"].Parent);
}
