// The lookup behind the generic handles of rosidl_typesupport_c and rosidl_typesupport_cpp
// (private to those two runtimes): from a generic handle and an identifier to the concrete
// handle, loading the concrete library by file name on first use.
#pragma once

#include <dlfcn.h>

#include <cstring>
#include <mutex>
#include <string>

#include "rosidl_typesupport_c/type_support_map.h"

namespace rosidl_typesupport_lookup {
// Each runtime gets its own copy (its own lock, and its own folder found through dladdr).
namespace {

// Opens lib<package>__<identifier>.so once per map entry and keeps it in the entry's slot.
// The slot is read without the lock once set (acquire/release), so concurrent first lookups
// open the library once and later lookups take no lock. Libraries stay loaded: handles from
// them live as long as the process may hold them.
void* library_of(void** slot, const char* package, const char* identifier, std::string* error) {
  void* library = __atomic_load_n(slot, __ATOMIC_ACQUIRE);
  if (library != nullptr) return library;
  static std::mutex mutex;
  std::lock_guard<std::mutex> lock(mutex);
  library = __atomic_load_n(slot, __ATOMIC_RELAXED);
  if (library != nullptr) return library;
  const std::string file = std::string("lib") + package + "__" + identifier + ".so";
  library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* reason = dlerror();
    *error = "Failed to load type support library " + file + ": " +
             (reason != nullptr ? reason : "unknown error");
    // The loader searches the RUNPATH ($ORIGIN) of the code calling dlopen, which is not this
    // library when dlopen is intercepted (sanitizers): try this library's folder by path.
    Dl_info self{};
    if (dladdr(reinterpret_cast<void*>(&library_of), &self) != 0 && self.dli_fname != nullptr) {
      std::string path = self.dli_fname;
      path = path.substr(0, path.find_last_of('/') + 1) + file;
      library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    if (library == nullptr) return nullptr;
  }
  __atomic_store_n(slot, library, __ATOMIC_RELEASE);
  return library;
}

// Handle is rosidl_message_type_support_t or rosidl_service_type_support_t. `own_identifier`
// is the generic identifier of the calling runtime: only its handles carry a map in `data`.
// Returns nullptr and sets `*error` on every failure.
template<typename Handle>
const Handle* lookup(const Handle* handle, const char* identifier, const char* own_identifier,
                     std::string* error) {
  if (handle == nullptr || identifier == nullptr) {
    *error = "type support handle and identifier must not be null";
    return nullptr;
  }
  if (handle->typesupport_identifier == nullptr) {
    *error = "type support handle carries no identifier";
    return nullptr;
  }
  if (std::strcmp(handle->typesupport_identifier, identifier) == 0) return handle;
  if (std::strcmp(handle->typesupport_identifier, own_identifier) != 0 ||
      handle->data == nullptr)
  {
    *error = std::string("Handle's typesupport identifier (") + handle->typesupport_identifier +
             ") is not supported by this library";
    return nullptr;
  }
  const auto* map = static_cast<const type_support_map_t*>(handle->data);
  for (size_t i = 0; i < map->size; ++i) {
    if (std::strcmp(map->typesupport_identifier[i], identifier) != 0) continue;
    void* library = library_of(&map->data[i], map->package_name, identifier, error);
    if (library == nullptr) return nullptr;
    void* symbol = dlsym(library, map->symbol_name[i]);
    if (symbol == nullptr) {
      *error = std::string("Failed to find symbol '") + map->symbol_name[i] + "' in library lib" +
               map->package_name + "__" + identifier + ".so";
      return nullptr;
    }
    using Getter = const Handle* (*)();
    return reinterpret_cast<Getter>(symbol)();
  }
  *error = std::string("Type support identifier (") + identifier +
           ") is not available for this type of package " + map->package_name;
  return nullptr;
}

}  // namespace
}  // namespace rosidl_typesupport_lookup
