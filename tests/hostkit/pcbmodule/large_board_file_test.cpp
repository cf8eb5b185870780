// Boards too large for the stand-in PCB editor, a 32-bit module: refused with a message that says
// so, and the board that was open stays.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "pcb/objects/create_pcb_object.h"
#include "tests/win/support/pcb_test_host.h"

namespace pcbtest {
namespace {

using TLargeBoardFileTest = PcbTest;

// A file of the given size whose bytes were never written: the file system keeps it sparse, so the
// test costs no disk and no time.
bool MakeSparseFile(const std::wstring& path, int64_t bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER end{};
  end.QuadPart = bytes;
  const bool ok = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  CloseHandle(file);
  return ok;
}

TEST_F(TLargeBoardFileTest, AFileOverOneGigabyteIsRefusedWithItsSizeBeforeAnythingIsRead) {
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(9, 4242)})));
  const std::string good = SavedBoard();
  const std::wstring path = TempPath(L"too-large-board.json");
  ASSERT_TRUE(MakeSparseFile(path, (int64_t{3} << 29) + 17));  // 1.5 GB and a bit
  std::string error;
  EXPECT_FALSE(OpenBoardFile(path, &error));
  DeleteFileW(path.c_str());
  EXPECT_NE(error.find("too-large-board.json:0: file: 1536 MB, larger than the 1024 MB a board file may have"),
            std::string::npos)
      << error;
  EXPECT_EQ(SavedBoard(), good);
  EXPECT_EQ(GetObjectHoleSize(9), 4242);
}

}  // namespace
}  // namespace pcbtest
