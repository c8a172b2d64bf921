#include "tests/package/PortableExecutable.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <iterator>

namespace {

class TImage {
public:
  explicit TImage(std::vector<char> Bytes) : FBytes(std::move(Bytes)) {}

  template <class T> const T* At(size_t Offset) const {
    return Offset + sizeof(T) <= FBytes.size() ? reinterpret_cast<const T*>(&FBytes[Offset])
                                               : nullptr;
  }
  bool Parse() {
    const auto* Dos = At<IMAGE_DOS_HEADER>(0);
    if (!Dos || Dos->e_magic != IMAGE_DOS_SIGNATURE)
      return false;
    FNt = At<IMAGE_NT_HEADERS64>(static_cast<size_t>(Dos->e_lfanew));
    if (!FNt || FNt->Signature != IMAGE_NT_SIGNATURE ||
        FNt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC)
      return false;
    FSections = static_cast<size_t>(Dos->e_lfanew) + offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
                FNt->FileHeader.SizeOfOptionalHeader;
    return true;
  }
  // The file offset of a relative virtual address, or 0 when no section holds it.
  size_t Offset(DWORD Rva) const {
    for (WORD Index = 0; Index < FNt->FileHeader.NumberOfSections; ++Index) {
      const auto* Section =
          At<IMAGE_SECTION_HEADER>(FSections + Index * sizeof(IMAGE_SECTION_HEADER));
      if (!Section)
        return 0;
      const DWORD Size = std::max(Section->Misc.VirtualSize, Section->SizeOfRawData);
      if (Rva >= Section->VirtualAddress && Rva < Section->VirtualAddress + Size)
        return Rva - Section->VirtualAddress + Section->PointerToRawData;
    }
    return 0;
  }
  const IMAGE_DATA_DIRECTORY& Directory(int Index) const {
    return FNt->OptionalHeader.DataDirectory[Index];
  }
  std::string Text(DWORD Rva) const {
    const size_t Start = Offset(Rva);
    size_t End = Start;
    while (Start && End < FBytes.size() && FBytes[End])
      ++End;
    return Start ? std::string(&FBytes[Start], End - Start) : std::string();
  }

private:
  std::vector<char> FBytes;
  const IMAGE_NT_HEADERS64* FNt = nullptr;
  size_t FSections = 0;
};

// Descriptors of either table: each begins with its library's name at a fixed place, and
// an all-zero one ends the table.
template <class TDescriptor>
void ReadTable(const TImage& Image, int Directory, DWORD TDescriptor::*Name,
               std::vector<std::string>& Libraries) {
  const IMAGE_DATA_DIRECTORY& Entry = Image.Directory(Directory);
  if (Entry.VirtualAddress == 0)
    return;
  for (size_t At = Image.Offset(Entry.VirtualAddress); At;) {
    const auto* Descriptor = Image.At<TDescriptor>(At);
    if (!Descriptor || Descriptor->*Name == 0)
      break;
    Libraries.push_back(Image.Text(Descriptor->*Name));
    At += sizeof(TDescriptor);
  }
}

} // namespace

bool ReadImportedLibraries(const std::wstring& FileName, std::vector<std::string>& Libraries,
                           std::string& Error) {
  std::ifstream File(FileName.c_str(), std::ios::binary);
  if (!File) {
    Error = "cannot open the file";
    return false;
  }
  TImage Image(std::vector<char>{std::istreambuf_iterator<char>(File), {}});
  if (!Image.Parse()) {
    Error = "not a 64-bit PE image";
    return false;
  }
  ReadTable(Image, IMAGE_DIRECTORY_ENTRY_IMPORT, &IMAGE_IMPORT_DESCRIPTOR::Name, Libraries);
  ReadTable(Image, IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT, &IMAGE_DELAYLOAD_DESCRIPTOR::DllNameRVA,
            Libraries);
  return true;
}
