#include "toolkit/Streams.h"

#include <algorithm>
#include <cstring>

int64_t TStream::Size() {
  const int64_t Here = Position();
  const int64_t End = Seek(0, TSeekOrigin::soEnd);
  Seek(Here, TSeekOrigin::soBeginning);
  return End;
}

void TStream::ReadBuffer(void* Buffer, int64_t Count) {
  if (Count < 0 || (Count > 0 && Read(Buffer, Count) != Count))
    throw EReadError();
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count) {
  if (Count < 0 || (Count > 0 && Write(Buffer, Count) != Count))
    throw EWriteError();
}

int32_t TStream::ReadInt32() {
  uint8_t Bytes[4];
  ReadBuffer(Bytes, 4);
  return static_cast<int32_t>(
      static_cast<uint32_t>(Bytes[0]) | static_cast<uint32_t>(Bytes[1]) << 8 |
      static_cast<uint32_t>(Bytes[2]) << 16 | static_cast<uint32_t>(Bytes[3]) << 24);
}

void TStream::WriteInt32(int32_t Value) {
  const auto Bits = static_cast<uint32_t>(Value);
  const uint8_t Bytes[4] = {static_cast<uint8_t>(Bits), static_cast<uint8_t>(Bits >> 8),
                            static_cast<uint8_t>(Bits >> 16), static_cast<uint8_t>(Bits >> 24)};
  WriteBuffer(Bytes, 4);
}

int64_t TMemoryStream::Read(void* Buffer, int64_t Count) {
  const int64_t Available = std::max<int64_t>(0, Size() - FPosition);
  const int64_t Moved = std::clamp<int64_t>(Count, 0, Available);
  if (Moved > 0)
    std::memcpy(Buffer, FBytes.data() + FPosition, static_cast<size_t>(Moved));
  FPosition += Moved;
  return Moved;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count) {
  if (Count <= 0)
    return 0;
  const auto End = static_cast<size_t>(FPosition + Count);
  if (End > FBytes.size())
    FBytes.resize(End);
  std::memcpy(FBytes.data() + FPosition, Buffer, static_cast<size_t>(Count));
  FPosition += Count;
  return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  const int64_t Base = Origin == TSeekOrigin::soBeginning ? 0
                       : Origin == TSeekOrigin::soCurrent ? FPosition
                                                          : Size();
  FPosition = std::max<int64_t>(0, Base + Offset);
  return FPosition;
}

TStreamWindow::TStreamWindow(TStream& Base, int64_t Count)
    : FBase(Base), FStart(Base.Position()), FCount(std::max<int64_t>(0, Count)) {}

int64_t TStreamWindow::Read(void* Buffer, int64_t Count) {
  const int64_t Wanted = std::clamp<int64_t>(Count, 0, FCount - FPosition);
  if (Wanted == 0)
    return 0;
  FBase.Seek(FStart + FPosition, TSeekOrigin::soBeginning);
  const int64_t Moved = FBase.Read(Buffer, Wanted);
  FPosition += Moved;
  return Moved;
}

int64_t TStreamWindow::Seek(int64_t Offset, TSeekOrigin Origin) {
  const int64_t Base = Origin == TSeekOrigin::soBeginning ? 0
                       : Origin == TSeekOrigin::soCurrent ? FPosition
                                                          : FCount;
  FPosition = std::clamp<int64_t>(Base + Offset, 0, FCount);
  return FPosition;
}

void TStreamWindow::SkipToEnd() {
  FPosition = FCount;
  FBase.Seek(FStart + FCount, TSeekOrigin::soBeginning);
}
