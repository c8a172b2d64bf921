#include "tests/win/support/ReferencePicture.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

#include "tools/contactsheet/PngFile.h"

namespace {

int ChannelDifference(uint32_t A, uint32_t B) {
  int Most = 0;
  for (int Shift = 0; Shift < 24; Shift += 8) {
    const int Difference =
        static_cast<int>((A >> Shift) & 0xFF) - static_cast<int>((B >> Shift) & 0xFF);
    Most = std::max(Most, std::abs(Difference));
  }
  return Most;
}

} // namespace

void ExpectMatchesReferenceWithin(const TSkinPicture& Actual, const std::string& Reference,
                                  const std::string& Label, int MaxChannelDifference,
                                  double MaxDifferentShare) {
  TSkinPicture Expected;
  ASSERT_TRUE(ReadPng(Reference, Expected.Width, Expected.Height, Expected.Pixels))
      << "no reference " << Reference;
  ASSERT_EQ(Actual.Width, Expected.Width) << Label;
  ASSERT_EQ(Actual.Height, Expected.Height) << Label;
  size_t Different = 0, First = 0;
  int Most = 0;
  for (size_t I = 0; I < Actual.Pixels.size(); ++I) {
    const int Difference = ChannelDifference(Actual.Pixels[I], Expected.Pixels[I]);
    if (Difference > MaxChannelDifference && Different++ == 0)
      First = I;
    Most = std::max(Most, Difference);
  }
  if (Different <= MaxDifferentShare * static_cast<double>(Actual.Pixels.size()))
    return;
  char Temp[MAX_PATH];
  GetTempPathA(MAX_PATH, Temp);
  const std::string Saved = std::string(Temp) + "actual-" + Label + ".png";
  WritePng(Saved, Actual.Width, Actual.Height, Actual.Pixels);
  ADD_FAILURE() << Label << ": " << Different << " of " << Actual.Pixels.size()
                << " pixels differ by more than " << MaxChannelDifference << " (at most " << Most
                << "), the first at (" << First % Actual.Width << ", " << First / Actual.Width
                << "); drawn: " << Saved;
}

void ExpectMatchesReference(const TSkinPicture& Actual, const std::string& Reference,
                            const std::string& Label) {
  ExpectMatchesReferenceWithin(Actual, Reference, Label, 0, 0.0);
}
