#include "toolkit/GdiGuards.h"

namespace {

// The thread's screen context, made on first use and deleted when the thread ends.
class TScratchHolder {
public:
  TScratchHolder() : FDC(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)) {}
  ~TScratchHolder() {
    if (FDC)
      DeleteDC(FDC);
  }
  TScratchHolder(const TScratchHolder&) = delete;
  TScratchHolder& operator=(const TScratchHolder&) = delete;
  HDC DC() const { return FDC; }

private:
  HDC FDC;
};

} // namespace

TScreenScratchDC::TScreenScratchDC() {
  thread_local TScratchHolder Holder;
  FDC = Holder.DC();
  FSaved = SaveDC(FDC);
}
