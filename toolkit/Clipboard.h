#pragma once
// The platform's clipboard for text. Unicode text is read and written first; the system
// makes the 8-bit form for programs that ask for it.

#include <windows.h>

#include <string>

// OpenClipboard/CloseClipboard: the clipboard is closed again on every path out. Another
// program may hold it for a moment, so opening is tried a few times.
class TClipboardGuard {
public:
  explicit TClipboardGuard(HWND Owner);
  ~TClipboardGuard();
  TClipboardGuard(const TClipboardGuard&) = delete;
  TClipboardGuard& operator=(const TClipboardGuard&) = delete;
  bool Opened() const { return FOpened; }

private:
  bool FOpened = false;
};

// Whether the clipboard holds text in either form.
bool ClipboardHasText();
// The clipboard's text: the Unicode form, else the 8-bit form converted; false when there is
// none or the clipboard cannot be opened.
bool ReadClipboardText(HWND Owner, std::wstring& Text);
// The clipboard's contents replaced by Text; false when that could not be done.
bool WriteClipboardText(HWND Owner, const std::wstring& Text);
