#pragma once
// The host executable's file-system export, looked up on each call like the other host exports
// that are not bound at load.

#include <string>

// Whether the host's file system has the file; false when the host does not export the question.
bool VFSAPI_VFS_FileExists(const std::string& file_name);
