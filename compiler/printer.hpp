// Text output for emitters: templates with $name$ variables, and the set of files a run
// writes, which reaches the disk only when the whole run has succeeded.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace idl {

using Vars = std::map<std::string, std::string>;

// Appends `tmpl` to `out` with every $name$ replaced by vars.at(name); "$$" writes one '$'.
// A leading newline in `tmpl` is dropped, so raw string literals can start on their own
// line. An unknown variable is a bug in the emitter and throws std::logic_error.
void emit(std::string& out, const char* tmpl, const Vars& vars = {});

// The generated files of one run, by path relative to the output directory.
class Outputs {
 public:
  std::string& file(const std::string& path) { return files_[path]; }
  const std::map<std::string, std::string>& files() const { return files_; }
  // Writes every file below `dir` through a temporary and a rename; a file whose content is
  // unchanged is left alone so that builds do not redo work. Throws std::runtime_error.
  void write_all(const std::string& dir) const;

 private:
  std::map<std::string, std::string> files_;
};

}  // namespace idl
