// On Windows a folder can't be locked itself: the lock is a mutex of the session named
// after the folder's full name, which every Pontelix of the user that writes the folder
// asks for.
#include "platform/config/folder_lock.h"

#include <windows.h>

#include <cctype>
#include <filesystem>
#include <functional>

namespace {

constexpr DWORD kWaitMs = 3000;

}  // namespace

FolderLock::FolderLock(const std::string& folder) {
  std::error_code failed;
  std::string full = std::filesystem::absolute(folder, failed).lexically_normal().string();
  if (failed) full = folder;
  // Windows names differ in case only for the same file.
  for (char& c : full) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::string name = "Local\\pontelix-folder-" + std::to_string(std::hash<std::string>{}(full));
  const HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
  if (mutex == nullptr) return;
  const DWORD waited = WaitForSingleObject(mutex, kWaitMs);
  // An abandoned mutex was held by a writer that ended without letting go: it is ours now.
  if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
    held_ = reinterpret_cast<std::intptr_t>(mutex);
    return;
  }
  CloseHandle(mutex);
}

FolderLock::~FolderLock() {
  if (held_ == -1) return;
  const auto mutex = reinterpret_cast<HANDLE>(held_);
  ReleaseMutex(mutex);
  CloseHandle(mutex);
}
