// One emitter per layer. Each adds its generated files to `out`; none writes to disk.
//
// Sources, one per layer and package, at fixed paths the build knows:
//   c/<package>__rosidl_generator_c.c
//   c/<package>__rosidl_typesupport_c.cpp
//   c/<package>__rosidl_typesupport_fastrtps_c.cpp
//   c/<package>__rosidl_typesupport_introspection_c.cpp
//   cpp/<package>__rosidl_typesupport_cpp.cpp
//   cpp/<package>__rosidl_typesupport_fastrtps_cpp.cpp
//   cpp/<package>__rosidl_typesupport_introspection_cpp.cpp
// Headers under include/<package>/<kind>/, per interface.
#pragma once

#include "model.hpp"
#include "printer.hpp"

namespace idl {

void emit_cpp_messages(const Package& pkg, Outputs& out);      // C++ structures, traits, YAML
void emit_cdr(const Package& pkg, Outputs& out);               // CDR through Fast-CDR
void emit_introspection_cpp(const Package& pkg, Outputs& out); // C++ introspection tables
void emit_c_messages(const Package& pkg, Outputs& out);        // C structures and functions
void emit_dispatch_cpp(const Package& pkg, Outputs& out);      // C++ generic handles
void emit_dispatch_c(const Package& pkg, Outputs& out);        // C generic handles
void emit_c_typesupports(const Package& pkg, Outputs& out);    // C-side CDR/introspection handles

}  // namespace idl
