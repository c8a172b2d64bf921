// What each key pressed in a hot-key field does to it.

#include <gtest/gtest.h>

#include "controls/edit/HotKeyInput.h"

namespace {

TEST(HotKeyInputTest, OnlyCombinationsPlainTypingNeverPressesAreTaken) {
  using E = THotKeyEdit;
  const struct {
    int Key;
    bool Shift, Ctrl, Alt;
    THotKeyResult Result;
  } Cases[] = {
      {0x26, false, true, true, {E::hkSet, 0xC026}},      // Ctrl+Alt+Up
      {0x74, false, false, false, {E::hkSet, 0x74}},      // F5 alone
      {'T', true, false, true, {E::hkSet, 0xA054}},       // Shift+Alt+T
      {'Q', false, false, false, {E::hkRefused, 'Q'}},    // a letter types
      {'Q', true, false, false, {E::hkRefused, 0x2051}},  // so does Shift with one
      {0xE5, false, true, false, {E::hkRefused, 0x40E5}}, // a key without a name
      {0x08, false, false, false, {E::hkClear, 0}},       // Backspace
      {0x2E, false, false, false, {E::hkClear, 0}},       // Delete
      {0x2E, false, true, true, {E::hkSet, 0xC02E}},      // Ctrl+Alt+Delete is a combination
      {0x1B, false, false, false, {E::hkCancel, 0}},      // Esc
      {0x11, false, true, false, {E::hkPending, 0}},      // Ctrl alone, still held
      {0xA4, false, false, true, {E::hkPending, 0}},      // the left Alt alone
      {0x09, true, false, false, {E::hkPending, 0}},      // Shift+Tab moves the focus
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(HotKeyInput(Case.Key, Case.Shift, Case.Ctrl, Case.Alt), Case.Result)
        << std::hex << Case.Key << (Case.Shift ? " shift" : "") << (Case.Ctrl ? " ctrl" : "")
        << (Case.Alt ? " alt" : "");
}

} // namespace
