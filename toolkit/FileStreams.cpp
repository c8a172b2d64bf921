#include "toolkit/FileStreams.h"

#include <sys/stat.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include "toolkit/FileNames.h"
#include "toolkit/SysUtils.h"

namespace {
int SeekFile(std::FILE* File, int64_t Offset, int Whence) {
#ifdef _WIN32
  return _fseeki64(File, Offset, Whence);
#else
  return fseeko(File, static_cast<off_t>(Offset), Whence);
#endif
}

std::FILE* OpenFile(const std::string& FileName, TFileMode Mode) {
  const bool Create = Mode == TFileMode::fmCreate;
#ifdef _WIN32
  return _wfopen(WideFileName(FileName).c_str(), Create ? L"w+b" : L"rb");
#else
  return std::fopen(FileName.c_str(), Create ? "w+b" : "rb");
#endif
}

int64_t TellFile(std::FILE* File) {
#ifdef _WIN32
  return _ftelli64(File);
#else
  return ftello(File);
#endif
}
} // namespace

TFileStream::TFileStream(const std::string& FileName, TFileMode Mode)
    : FFile(OpenFile(FileName, Mode)) {
  if (!FFile) {
    if (Mode == TFileMode::fmCreate)
      throw EFCreateError(FormatStr("Cannot create file %s", {FileName}));
    throw EFOpenError(FormatStr("Cannot open file %s", {FileName}));
  }
}

TFileStream::~TFileStream() { std::fclose(FFile); }

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
  return Count > 0 ? static_cast<int64_t>(std::fread(Buffer, 1, static_cast<size_t>(Count), FFile))
                   : 0;
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
  return Count > 0 ? static_cast<int64_t>(std::fwrite(Buffer, 1, static_cast<size_t>(Count), FFile))
                   : 0;
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  const int Whence = Origin == TSeekOrigin::soBeginning ? SEEK_SET
                     : Origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                        : SEEK_END;
  if (!(Offset == 0 && Origin == TSeekOrigin::soCurrent))
    SeekFile(FFile, Offset, Whence);
  return TellFile(FFile);
}

bool FileExists(const std::string& FileName) {
#ifdef _WIN32
  const DWORD Attributes = GetFileAttributesW(WideFileName(FileName).c_str());
  return Attributes != INVALID_FILE_ATTRIBUTES && !(Attributes & FILE_ATTRIBUTE_DIRECTORY);
#else
  struct stat Info {};
  return stat(FileName.c_str(), &Info) == 0 && !(Info.st_mode & S_IFDIR);
#endif
}
