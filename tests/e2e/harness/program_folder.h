// A temporary installation as a user would make one: build/gpsclock copied alone into a folder
// with config.cfg and the COM1 link, and beside that folder the tests' own files (the fake clock
// library and its record, the simulator's frame log, the program's output).
#pragma once

#include <string>

#include "harness/built_programs.h"

namespace gpsclock::e2e {

class ProgramFolder {
 public:
  // The program's XDG_RUNTIME_DIR, a test file.
  static constexpr char kRuntimeFolder[] = "runtime";

  // `program` is copied in as gpsclock: build/gpsclock, or for a benchmark another build of it or
  // a stand-in that runs the same way.
  explicit ProgramFolder(const std::string& program = kBuiltProgram);
  // Removes everything.
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  // <program folder>/<name>: "gpsclock", "config.cfg", "COM1", the tracking log.
  std::string Path(const std::string& name) const;
  // A file of the tests, outside the program folder.
  std::string TestFile(const std::string& name) const;
  // The copy of the fake clock library, for LD_PRELOAD.
  std::string FakeClockLibrary() const;

  // Files written here belong to the program's user, as the user's own files would. The file is
  // replaced at once, so that the program never reads it half written.
  void Write(const std::string& path, const std::string& bytes) const;
  // The file's bytes; empty when it does not exist.
  std::string Read(const std::string& path) const;

 private:
  void GiveToProgramUser(const std::string& path) const;

  std::string root_;
};

}  // namespace gpsclock::e2e
