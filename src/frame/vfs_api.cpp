#include "frame/vfs_api.h"

#include <windows.h>

#include "hostapi/client_api.h"

bool VFSAPI_VFS_FileExists(const std::string& file_name) {
  auto proc = reinterpret_cast<VFSAPI_VFS_FileExistsProc>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(nullptr), kVfsFileExistsName)));
  return proc && proc(file_name.c_str()) != 0;
}
