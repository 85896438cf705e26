// The program the system-information launcher starts in its tests: it leaves the file "started"
// beside itself.
#include "platform/win32/program_directory.h"
#include "platform/win32/win32_directory_files.h"

int main() {
  const auto directory = gpsclock::ProgramDirectory();
  return directory && gpsclock::Win32DirectoryFiles(*directory).Replace("started", "") ? 0 : 1;
}
