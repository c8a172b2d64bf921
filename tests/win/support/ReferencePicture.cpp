#include "tests/win/support/ReferencePicture.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tools/contactsheet/PngFile.h"

void ExpectMatchesReference(const TSkinPicture& Actual, const std::string& Reference,
                            const std::string& Label) {
  TSkinPicture Expected;
  ASSERT_TRUE(ReadPng(Reference, Expected.Width, Expected.Height, Expected.Pixels))
      << "no reference " << Reference;
  ASSERT_EQ(Actual.Width, Expected.Width) << Label;
  ASSERT_EQ(Actual.Height, Expected.Height) << Label;
  size_t Different = 0, First = 0;
  for (size_t I = 0; I < Actual.Pixels.size(); ++I)
    if (Actual.Pixels[I] != Expected.Pixels[I] && Different++ == 0)
      First = I;
  if (Different == 0)
    return;
  char Temp[MAX_PATH];
  GetTempPathA(MAX_PATH, Temp);
  const std::string Saved = std::string(Temp) + "actual-" + Label + ".png";
  WritePng(Saved, Actual.Width, Actual.Height, Actual.Pixels);
  ADD_FAILURE() << Label << ": " << Different << " pixels differ, the first at ("
                << First % Actual.Width << ", " << First / Actual.Width << "); drawn: " << Saved;
}
