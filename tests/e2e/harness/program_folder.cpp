// The program's user must be able to run the copy, write the tracking log and the fake clock's
// record, and nothing more.
#include "harness/program_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "harness/unprivileged.h"

namespace gpsclock::e2e {
namespace {

constexpr char kProgramFolder[] = "program";

}  // namespace

ProgramFolder::ProgramFolder(const std::string& program) {
  char root[] = "/tmp/gpsclock-e2e-XXXXXX";
  root_ = mkdtemp(root) != nullptr ? root : "";
  namespace fs = std::filesystem;
  fs::create_directory(root_ + "/" + kProgramFolder);
  fs::create_directory(TestFile(kRuntimeFolder));
  fs::permissions(TestFile(kRuntimeFolder), fs::perms::owner_all);
  fs::copy_file(program, Path("gpsclock"));
  fs::copy_file(kBuiltClockLibrary, FakeClockLibrary());
  for (const auto& entry : fs::recursive_directory_iterator(root_)) {
    GiveToProgramUser(entry.path());
  }
  GiveToProgramUser(root_);
  chmod(root_.c_str(), 0755);
}

ProgramFolder::~ProgramFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string ProgramFolder::Path(const std::string& name) const {
  return root_ + "/" + kProgramFolder + "/" + name;
}

std::string ProgramFolder::TestFile(const std::string& name) const {
  return root_ + "/" + name;
}

std::string ProgramFolder::FakeClockLibrary() const {
  return TestFile(std::filesystem::path(kBuiltClockLibrary).filename());
}

void ProgramFolder::Write(const std::string& path, const std::string& bytes) const {
  const std::string draft = path + ".draft";
  std::ofstream(draft, std::ios::binary | std::ios::trunc) << bytes;
  GiveToProgramUser(draft);
  std::filesystem::rename(draft, path);
}

std::string ProgramFolder::Read(const std::string& path) const {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void ProgramFolder::GiveToProgramUser(const std::string& path) const {
  [[maybe_unused]] const int ignored = lchown(path.c_str(), ProgramUser(), ProgramGroup());
}

}  // namespace gpsclock::e2e
