#include "toolkit/Clipboard.h"

#include <cstring>

namespace {

// GlobalLock/GlobalUnlock of a clipboard block.
class TGlobalLock {
public:
  explicit TGlobalLock(HANDLE Block) : FBlock(Block), FData(Block ? GlobalLock(Block) : nullptr) {}
  ~TGlobalLock() {
    if (FData)
      GlobalUnlock(FBlock);
  }
  TGlobalLock(const TGlobalLock&) = delete;
  TGlobalLock& operator=(const TGlobalLock&) = delete;
  void* Data() const { return FData; }
  size_t Size() const { return FData ? GlobalSize(FBlock) : 0; }

private:
  HANDLE FBlock;
  void* FData;
};

} // namespace

TClipboardGuard::TClipboardGuard(HWND Owner) {
  for (int Attempt = 0; Attempt < 10 && !FOpened; ++Attempt) {
    FOpened = OpenClipboard(Owner) != FALSE;
    if (!FOpened)
      Sleep(10);
  }
}

TClipboardGuard::~TClipboardGuard() {
  if (FOpened)
    CloseClipboard();
}

bool ClipboardHasText() {
  return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
}

bool ReadClipboardText(HWND Owner, std::wstring& Text) {
  const TClipboardGuard Clipboard(Owner);
  if (!Clipboard.Opened())
    return false;
  if (const TGlobalLock Unicode(GetClipboardData(CF_UNICODETEXT)); Unicode.Data()) {
    const auto* Units = static_cast<const wchar_t*>(Unicode.Data());
    Text.assign(Units, wcsnlen(Units, Unicode.Size() / sizeof(wchar_t)));
    return true;
  }
  const TGlobalLock Ansi(GetClipboardData(CF_TEXT));
  if (!Ansi.Data())
    return false;
  const auto* Bytes = static_cast<const char*>(Ansi.Data());
  const int Count = static_cast<int>(strnlen(Bytes, Ansi.Size()));
  Text.assign(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, Bytes, Count, nullptr, 0)), L'\0');
  MultiByteToWideChar(CP_ACP, 0, Bytes, Count, Text.data(), static_cast<int>(Text.size()));
  return true;
}

bool WriteClipboardText(HWND Owner, const std::wstring& Text) {
  const TClipboardGuard Clipboard(Owner);
  if (!Clipboard.Opened() || !EmptyClipboard())
    return false;
  const size_t Bytes = (Text.size() + 1) * sizeof(wchar_t);
  HGLOBAL Block = GlobalAlloc(GMEM_MOVEABLE, Bytes);
  if (!Block)
    return false;
  {
    const TGlobalLock Lock(Block);
    if (!Lock.Data()) {
      GlobalFree(Block);
      return false;
    }
    std::memcpy(Lock.Data(), Text.c_str(), Bytes);
  }
  // The clipboard owns the block once it took it.
  if (!SetClipboardData(CF_UNICODETEXT, Block)) {
    GlobalFree(Block);
    return false;
  }
  return true;
}
