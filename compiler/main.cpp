// pelorin_idl: compiles the interface definitions of one package into the sources and
// headers of every layer.
//
//   pelorin_idl --package NAME --out DIR [--dep PACKAGE=DEFINITIONS_DIR]... FILE...
//
// A dependency's DEFINITIONS_DIR holds its msg/*.msg files; their names are the types that
// FILEs may nest from that package. On a bad definition it prints "file:line: message" and
// exits with 1 without writing anything.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "emitters.hpp"
#include "parser.hpp"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: pelorin_idl --package NAME --out DIR [--dep PKG=DIR]... FILE...\n");
  return 2;
}

idl::KnownTypes read_dependency(const std::string& argument, idl::KnownTypes known) {
  namespace fs = std::filesystem;
  const auto eq = argument.find('=');
  if (eq == std::string::npos) throw std::runtime_error("--dep needs PACKAGE=DIR: " + argument);
  const std::string package = argument.substr(0, eq);
  const fs::path msg_dir = fs::path(argument.substr(eq + 1)) / "msg";
  auto& types = known[package];
  if (fs::is_directory(msg_dir)) {
    for (const auto& entry : fs::directory_iterator(msg_dir)) {
      if (entry.path().extension() == ".msg") types.insert(entry.path().stem().string());
    }
  }
  return known;
}

}  // namespace

int main(int argc, char** argv) {
  std::string package, out_dir;
  std::vector<std::string> files;
  idl::KnownTypes dependencies;
  try {
    for (int i = 1; i < argc; ++i) {
      const std::string arg = argv[i];
      if ((arg == "--package" || arg == "--out" || arg == "--dep") && i + 1 < argc) {
        const std::string value = argv[++i];
        if (arg == "--package") package = value;
        else if (arg == "--out") out_dir = value;
        else dependencies = read_dependency(value, dependencies);
      } else if (arg.rfind("--", 0) == 0) {
        return usage();
      } else {
        files.push_back(arg);
      }
    }
    if (package.empty() || out_dir.empty() || files.empty()) return usage();

    std::vector<idl::Definition> definitions;
    for (const auto& f : files) definitions.push_back(idl::read_definition(f));
    const idl::Package pkg = idl::parse_package(package, definitions, dependencies);

    idl::Outputs outputs;
    idl::emit_cpp_messages(pkg, outputs);
    idl::emit_cdr(pkg, outputs);
    idl::emit_introspection_cpp(pkg, outputs);
    idl::emit_c_messages(pkg, outputs);
    idl::emit_dispatch_cpp(pkg, outputs);
    idl::emit_dispatch_c(pkg, outputs);
    idl::emit_c_typesupports(pkg, outputs);
    outputs.write_all(out_dir);
  } catch (const idl::DefinitionError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "pelorin_idl: %s\n", e.what());
    return 1;
  }
  return 0;
}
