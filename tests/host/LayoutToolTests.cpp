// The layout tool's parts: values filled into a layout's text where it leaves them empty,
// the picture form of a bitmap, and the tree a reviewer reads.

#include <gtest/gtest.h>
#include <string>

#include "toolkit/PropertyText.h"
#include "tools/layoutinfo/LayoutFill.h"
#include "tools/layoutinfo/LayoutTree.h"

namespace {

const std::string Layout = "object Form1: TForm\r\n"
                           "  Data = {}\r\n"
                           "  object Engine: TEngine\r\n"
                           "    Tag = 1\r\n"
                           "    Data = {}\r\n"
                           "    object Inner: TEngine\r\n"
                           "      Data = {}\r\n"
                           "    end\r\n"
                           "  end\r\n"
                           "  object Other: TEngine\r\n"
                           "    Data = {00}\r\n"
                           "  end\r\n"
                           "end\r\n";

std::string ErrorOf(const std::string& Object, const std::string& Property) {
  try {
    FillBinaryValue(Layout, Object, Property, "x");
  } catch (const EParserError& Error) {
    return Error.what();
  }
  return "no error";
}

} // namespace

TEST(LayoutTool, AValueIsFilledInItsOwnObjectOnlyAndWhatIsMissingIsNamed) {
  const std::string Bytes(40, '\xAB');
  const std::string Filled = FillBinaryValue(Layout, "engine", "data", Bytes);
  // The object's own value, 32 bytes to a line; its parent's and its child's stay empty.
  const std::string Expected = "    Data = {\r\n      " + std::string(32 * 2, 'A') + "\r\n      " +
                               std::string(8 * 2, 'A') + "}\r\n";
  std::string Hex = Expected;
  for (size_t At = Hex.find("AA"); At != std::string::npos; At = Hex.find("AA", At + 2))
    Hex.replace(At, 2, "AB");
  EXPECT_NE(std::string::npos, Filled.find(Hex)) << Filled;
  EXPECT_NE(std::string::npos, Filled.find("  Data = {}\r\n  object Engine"));
  EXPECT_NE(std::string::npos, Filled.find("      Data = {}\r\n    end"));
  // The filled text is a layout whose value holds the bytes.
  TMemoryStream Binary;
  ObjectTextToBinary(Filled, Binary);
  Binary.SetPosition(0);
  EXPECT_NE(std::string::npos, LayoutTree(Binary).find("Data = {40 bytes}"));

  EXPECT_EQ("No object Nobody in the layout", ErrorOf("Nobody", "Data"));
  EXPECT_EQ("Object Engine has no empty value Size to fill", ErrorOf("Engine", "Size"));
  EXPECT_EQ("Object Other has no empty value Data to fill", ErrorOf("Other", "Data"));
}

TEST(LayoutTool, ABitmapIsAPictureValueAndTheTreeShowsClassNameBoundsAndValues) {
  const std::string Bitmap = std::string("BM") + std::string(300, '\x01');
  const std::string Data = BitmapPictureData(Bitmap);
  EXPECT_EQ(std::string("\x07TBitmap\x2E\x01\x00\x00", 12) + Bitmap, Data);

  TMemoryStream Binary;
  ObjectTextToBinary("object Form1: TForm\r\n"
                     "  Left = 10\r\n"
                     "  Caption = 'Main'\r\n"
                     "  Top = 20\r\n"
                     "  object Button1: TButton\r\n"
                     "    Width = 75\r\n"
                     "    Columns = <\r\n"
                     "      item\r\n"
                     "        Width = 5\r\n"
                     "      end>\r\n"
                     "  end\r\n"
                     "  object Timer1: TTimer\r\n"
                     "  end\r\n"
                     "end\r\n",
                     Binary);
  Binary.SetPosition(0);
  EXPECT_EQ("TForm Form1 (10, 20, -, -)\r\n"
            "    Caption = 'Main'\r\n"
            "  TButton Button1 (-, -, 75, -)\r\n"
            "      Columns = <\r\n"
            "        item\r\n"
            "          Width = 5\r\n"
            "        end>\r\n"
            "  TTimer Timer1\r\n",
            LayoutTree(Binary));

  TMemoryStream Truncated;
  Truncated.WriteBuffer("TPF0\x05TForm", 10);
  Truncated.SetPosition(0);
  EXPECT_THROW(LayoutTree(Truncated), EReadError);
}
