#pragma once
// One writer at a time for the files of a folder, among the programs that take this lock:
// a writer that reads a file, changes some of its lines and replaces it holds the lock
// from the read to the rename, so that another writer reads only the finished file and
// none of the two loses the other's lines.
#include <cstdint>
#include <string>

class FolderLock {
 public:
  // Waits for the lock a few seconds at most: a writer that holds it longer is stopped or
  // stuck, and the caller goes on without it rather than hang. A folder that can't be
  // locked (a network file system without locks) is written without it too.
  explicit FolderLock(const std::string& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  // The locked folder's descriptor on Linux, the held mutex's handle on Windows; -1
  // without the lock.
  std::intptr_t held_ = -1;
};
