#include "printer.hpp"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace idl {

void emit(std::string& out, const char* tmpl, const Vars& vars) {
  const char* p = tmpl;
  if (*p == '\n') ++p;
  while (*p) {
    if (*p != '$') {
      out += *p++;
      continue;
    }
    const char* end = p + 1;
    while (*end && *end != '$') ++end;
    if (!*end) throw std::logic_error(std::string("unterminated $ in template: ") + tmpl);
    const std::string name(p + 1, end);
    if (name.empty()) {
      out += '$';
    } else {
      auto it = vars.find(name);
      if (it == vars.end()) throw std::logic_error("template variable not set: " + name);
      out += it->second;
    }
    p = end + 1;
  }
}

void Outputs::write_all(const std::string& dir) const {
  namespace fs = std::filesystem;
  for (const auto& [path, content] : files_) {
    const fs::path target = fs::path(dir) / path;
    {
      std::ifstream in(target, std::ios::binary);
      if (in) {
        std::ostringstream old;
        old << in.rdbuf();
        if (old.str() == content) continue;
      }
    }
    fs::create_directories(target.parent_path());
    const fs::path temp = target.string() + ".tmp";
    {
      std::ofstream out(temp, std::ios::binary | std::ios::trunc);
      out << content;
      if (!out) throw std::runtime_error("cannot write " + temp.string());
    }
    fs::rename(temp, target);
  }
}

}  // namespace idl
