#include "model.hpp"

#include <algorithm>
#include <tuple>

namespace idl {

bool operator==(const TypeName& a, const TypeName& b) {
  return a.package == b.package && a.kind == b.kind && a.name == b.name;
}
bool operator<(const TypeName& a, const TypeName& b) {
  return std::tie(a.package, a.kind, a.name) < std::tie(b.package, b.kind, b.name);
}

const Message* Package::find(const TypeName& type) const {
  for (const auto& m : messages) {
    if (m.type == type) return &m;
  }
  return nullptr;
}

std::vector<TypeName> nested_from_elsewhere(const Package& pkg, const Interface& iface) {
  std::vector<TypeName> out;
  for (std::size_t index : iface.messages) {
    for (const Field& f : pkg.messages[index].fields) {
      if (!f.is_nested()) continue;
      const TypeName& t = f.type.message;
      const Message* own = pkg.find(t);
      if (own && own->interface_name == iface.name && own->type.kind == iface.kind) continue;
      if (std::find(out.begin(), out.end(), t) == out.end()) out.push_back(t);
    }
  }
  return out;
}

}  // namespace idl
