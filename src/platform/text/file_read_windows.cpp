#include "platform/text/file_read.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>

namespace {

// 100-nanosecond ticks since 1601, as nanoseconds: only compared, never shown.
long long nanoseconds(LARGE_INTEGER ticks) { return ticks.QuadPart * 100; }

// The file's index and volume stand for the device and inode: Windows gives stat's
// st_ino as 0 for every file, which would make any two files the same.
int identityOf(HANDLE handle, FileIdentity& identity) {
  BY_HANDLE_FILE_INFORMATION info;
  FILE_BASIC_INFO times;
  if (!GetFileInformationByHandle(handle, &info) ||
      !GetFileInformationByHandleEx(handle, FileBasicInfo, &times, sizeof times)) {
    return EIO;
  }
  identity.device = info.dwVolumeSerialNumber;
  identity.inode = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
  identity.size = static_cast<long long>((std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow);
  identity.modifiedNs = nanoseconds(times.LastWriteTime);
  identity.changedNs = nanoseconds(times.ChangeTime);
  return 0;
}

int errnoOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return EACCES;
    default:
      return EIO;
  }
}

}  // namespace

int fileIdentityOf(const std::string& path, FileIdentity& identity) {
  // Asks only for the attributes, so that a file another program holds open is found too;
  // the flag lets a folder be opened.
  const HANDLE handle = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return errnoOf(GetLastError());
  FileIdentity found;
  const int error = identityOf(handle, found);
  CloseHandle(handle);
  if (error == 0) identity = found;
  return error;
}

int fileIdentityOf(int fd, FileIdentity& identity) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
  if (handle == INVALID_HANDLE_VALUE) return EBADF;
  return identityOf(handle, identity);
}

int openRegularFileSized(const std::string& path, int& fd, long long& size) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return errnoOf(GetLastError());
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return EISDIR;
  const int opened = _open(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
  if (opened < 0) return errno;
  // A console, a pipe or a device is no file to read whole.
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(opened));
  FileIdentity identity;
  int error = GetFileType(handle) != FILE_TYPE_DISK ? EINVAL : identityOf(handle, identity);
  if (error != 0) {
    _close(opened);
    return error;
  }
  fd = opened;
  size = identity.size;
  return 0;
}
