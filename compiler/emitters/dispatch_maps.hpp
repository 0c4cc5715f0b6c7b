// What the C and C++ dispatch emitters share: the type-support map and generic handle of one
// message type or service, and the load-time step that gives every handle its identifier.
#pragma once

#include <string>
#include <vector>

#include "../names.hpp"
#include "../printer.hpp"

namespace idl {

// One message type or service of the package, as a dispatch library sees it.
struct DispatchEntry {
  TypeName type;
  bool is_service;
  std::string local() const { return type.kind + "_" + type.name; }  // its namespace here
};

inline std::vector<DispatchEntry> dispatch_entries(const Package& pkg) {
  std::vector<DispatchEntry> entries;
  for (const Message& m : pkg.messages) entries.push_back({m.type, false});
  for (const Service& s : pkg.services) entries.push_back({s.type, true});
  return entries;
}

// The map naming the two concrete type supports `ids` ("fastrtps_cpp", "introspection_cpp")
// and the generic handle carrying it, in namespace <kind>_<Type>. The identifier is set at
// load (emit_identifier_fill); `lookup` is the runtime's lookup function for the handle kind.
inline void emit_dispatch_map(std::string& out, const DispatchEntry& e, const std::string& package,
                              const std::string (&ids)[2], const std::string& lookup) {
  const auto symbol = [&](const std::string& id) {
    return e.is_service ? service_handle_symbol(id, e.type) : message_handle_symbol(id, e.type);
  };
  emit(out, R"(
namespace $local$
{
const char * const identifiers[2] = {
  "$id0$",
  "$id1$",
};
const char * const symbols[2] = {
  "$symbol0$",
  "$symbol1$",
};
void * slots[2] = {nullptr, nullptr};  // the runtime's: the libraries it loaded
const type_support_map_t map = {2, "$package$", identifiers, symbols, slots};
rosidl_$what$_type_support_t handle = {nullptr, &map, $lookup$};
}  // namespace $local$

)", {{"local", e.local()}, {"id0", typesupport_identifier(ids[0])},
      {"id1", typesupport_identifier(ids[1])}, {"symbol0", symbol(ids[0])},
      {"symbol1", symbol(ids[1])}, {"package", package},
      {"what", e.is_service ? "service" : "message"}, {"lookup", lookup}});
}

// The static initialiser that stores `identifier_variable` into every handle.
inline void emit_identifier_fill(std::string& out, const std::vector<DispatchEntry>& entries,
                                 const std::string& identifier_variable) {
  std::string stores;
  for (const DispatchEntry& e : entries) stores += "    " + e.local() + "::handle.typesupport_identifier = id;\n";
  emit(out, R"(
// The identifier lives in the runtime library, so it is stored when this library is loaded.
struct IdentifierFill
{
  IdentifierFill()
  {
    const char * id = $variable$;
$stores$  }
};
const IdentifierFill identifier_fill;

)", {{"variable", identifier_variable}, {"stores", stores}});
}

}  // namespace idl
