// Reading definition files (.msg, .srv, .action) into the package model.
#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "model.hpp"

namespace idl {

// A fault in a definition: what() is "file:line: message".
class DefinitionError : public std::runtime_error {
 public:
  DefinitionError(const std::string& file, int line, const std::string& message)
      : std::runtime_error(file + ":" + std::to_string(line) + ": " + message) {}
};

struct Definition {
  std::string path;     // for error messages
  std::string kind;     // "msg", "srv" or "action"
  std::string name;     // interface name, e.g. "MapMark"
  std::string text;     // the file's content
};

// Message types of other packages that definitions may nest: package -> type names.
using KnownTypes = std::map<std::string, std::set<std::string>>;

// Builds the model of `package` from its definitions: parses every file, expands services
// and actions, adds the placeholder member to field-less structures and checks every nested
// type against the package's own messages and `dependencies`. Throws DefinitionError.
Package parse_package(const std::string& package, const std::vector<Definition>& definitions,
                      const KnownTypes& dependencies);

// Reads a definition file from disk; kind and name come from its extension and stem.
Definition read_definition(const std::string& path);

}  // namespace idl
