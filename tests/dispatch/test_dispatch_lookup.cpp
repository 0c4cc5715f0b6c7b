// Looking concrete type supports up through the generic handles, as a middleware does: the
// runtime opens lib<package>__<identifier>.so on first use and calls the symbol the map names.
#include <dlfcn.h>
#include <elf.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "rcutils/error_handling.h"
#include "rosidl_typesupport_c/identifier.h"
#include "rosidl_typesupport_c/message_type_support_dispatch.h"
#include "rosidl_typesupport_c/service_type_support_dispatch.h"
#include "rosidl_typesupport_c/type_support_map.h"
#include "rosidl_typesupport_cpp/identifier.hpp"
#include "rosidl_typesupport_cpp/message_type_support_dispatch.hpp"
#include "rosidl_typesupport_cpp/service_type_support_dispatch.hpp"
#include "rosidl_typesupport_fastrtps_c/identifier.h"
#include "rosidl_typesupport_fastrtps_cpp/identifier.hpp"
#include "rosidl_typesupport_introspection_c/identifier.h"
#include "rosidl_typesupport_introspection_cpp/identifier.hpp"
#include "dispatch_cases.hpp"

extern "C" const rosidl_message_type_support_t* c_middleware_path_handle(const char* identifier);

namespace {

// The DT_NEEDED entries of a shared object, read from its file.
std::vector<std::string> needed_libraries(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::vector<std::string> needed;
  if (bytes.size() < sizeof(Elf64_Ehdr) || bytes.compare(0, SELFMAG, ELFMAG) != 0 ||
      bytes[EI_CLASS] != ELFCLASS64) {
    ADD_FAILURE() << path << " is not a 64-bit ELF file";
    return needed;
  }
  const auto* header = reinterpret_cast<const Elf64_Ehdr*>(bytes.data());
  const auto* sections = reinterpret_cast<const Elf64_Shdr*>(bytes.data() + header->e_shoff);
  for (int i = 0; i < header->e_shnum; ++i) {
    if (sections[i].sh_type != SHT_DYNAMIC) continue;
    const char* strings = bytes.data() + sections[sections[i].sh_link].sh_offset;
    const auto* dynamic = reinterpret_cast<const Elf64_Dyn*>(bytes.data() + sections[i].sh_offset);
    for (std::size_t j = 0; j < sections[i].sh_size / sizeof(Elf64_Dyn); ++j) {
      if (dynamic[j].d_tag == DT_NEEDED) needed.push_back(strings + dynamic[j].d_un.d_val);
    }
  }
  return needed;
}

std::string file_of(const void* function) {
  Dl_info info{};
  if (dladdr(function, &info) == 0 || info.dli_fname == nullptr) return "";
  return info.dli_fname;
}

bool is_loaded(const std::string& library) {
  void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (handle != nullptr) dlclose(handle);  // drops only the reference just taken
  return handle != nullptr;
}

// What `symbol` of an already loaded library returns, taken from the library directly.
template<typename Handle>
const Handle* exported_handle(const std::string& library, const std::string& symbol) {
  void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (handle == nullptr) return nullptr;
  void* function = dlsym(handle, symbol.c_str());
  dlclose(handle);
  if (function == nullptr) return nullptr;
  return reinterpret_cast<const Handle* (*)()>(function)();
}

// One concrete type support of one side (C or C++) as the maps name it.
struct Concrete {
  std::string id;               // "fastrtps_c"
  const char* identifier;       // the runtime's variable
  std::string library() const { return "libpelorin__rosidl_typesupport_" + id + ".so"; }
  std::string identifier_text() const { return "rosidl_typesupport_" + id; }
};

// Every message type and service through `lookup` (the middleware's entry:
// get_*_typesupport_handle of rosidl_runtime_c, which calls the handle's func), for each
// concrete type support: the exact handle the concrete library exports, carrying its
// identifier; the handle itself for the generic identifier.
template<typename GetMessage, typename GetService>
void expect_every_type_reaches(const std::vector<Concrete>& concretes, GetMessage generic_message,
                               GetService generic_service) {
  for (const Concrete& concrete : concretes) {
    SCOPED_TRACE(concrete.identifier_text());
    for (const MessageCase& c : message_cases()) {
      SCOPED_TRACE(c.kind + "/" + c.name);
      const rosidl_message_type_support_t* generic = generic_message(c);
      const rosidl_message_type_support_t* found =
        get_message_typesupport_handle(generic, concrete.identifier_text().c_str());
      ASSERT_NE(found, nullptr) << rcutils_get_error_string().str;
      EXPECT_EQ(found, exported_handle<rosidl_message_type_support_t>(
          concrete.library(), handle_symbol(concrete.id, "message", c.kind, c.name)));
      EXPECT_EQ(found->typesupport_identifier, concrete.identifier);
      EXPECT_EQ(get_message_typesupport_handle(generic, generic->typesupport_identifier), generic);
    }
    for (const ServiceCase& c : service_cases()) {
      SCOPED_TRACE(c.kind + "/" + c.name);
      const rosidl_service_type_support_t* generic = generic_service(c);
      const rosidl_service_type_support_t* found =
        get_service_typesupport_handle(generic, concrete.identifier_text().c_str());
      ASSERT_NE(found, nullptr) << rcutils_get_error_string().str;
      EXPECT_EQ(found, exported_handle<rosidl_service_type_support_t>(
          concrete.library(), handle_symbol(concrete.id, "service", c.kind, c.name)));
      EXPECT_EQ(found->typesupport_identifier, concrete.identifier);
      EXPECT_EQ(get_service_typesupport_handle(generic, generic->typesupport_identifier), generic);
    }
  }
}

// The five members of every action record resolve for each concrete type support: the cancel
// service and status message through action_msgs' own maps and libraries.
template<typename ActionOf>
void expect_action_members_reach(const std::vector<Concrete>& concretes, ActionOf action_of) {
  for (const ActionCase& a : action_cases()) {
    SCOPED_TRACE(a.name);
    const rosidl_action_type_support_t* action = action_of(a);
    for (const Concrete& concrete : concretes) {
      SCOPED_TRACE(concrete.identifier_text());
      const std::string identifier = concrete.identifier_text();
      const char* id = identifier.c_str();
      for (const rosidl_service_type_support_t* service :
           {action->goal_service_type_support, action->result_service_type_support,
            action->cancel_service_type_support}) {
        const rosidl_service_type_support_t* found = get_service_typesupport_handle(service, id);
        ASSERT_NE(found, nullptr) << rcutils_get_error_string().str;
        EXPECT_EQ(found->typesupport_identifier, concrete.identifier);
      }
      for (const rosidl_message_type_support_t* message :
           {action->feedback_message_type_support, action->status_message_type_support}) {
        const rosidl_message_type_support_t* found = get_message_typesupport_handle(message, id);
        ASSERT_NE(found, nullptr) << rcutils_get_error_string().str;
        EXPECT_EQ(found->typesupport_identifier, concrete.identifier);
      }
    }
  }
}

// A generic handle whose one-entry map names what the test wants to go wrong.
struct FakeHandle {
  FakeHandle(const char* generic, const char* identifier, const char* package, const char* symbol,
             rosidl_message_typesupport_handle_function lookup)
    : identifiers{identifier}, symbols{symbol}, map{1, package, identifiers, symbols, slots},
      handle{generic, &map, lookup} {}
  const char* identifiers[1];
  const char* symbols[1];
  void* slots[1] = {nullptr};
  type_support_map_t map;
  rosidl_message_type_support_t handle;
};

TEST(DispatchLookup, DispatchLibrariesDoNotLinkTheConcreteTypeSupports) {
  const std::string libraries[] = {
    file_of(reinterpret_cast<const void*>(
      &rosidl_typesupport_cpp__get_message_type_support_handle__pelorin__msg__Path)),
    file_of(reinterpret_cast<const void*>(
      &rosidl_typesupport_c__get_message_type_support_handle__pelorin__msg__Path)),
  };
  for (const std::string& library : libraries) {
    SCOPED_TRACE(library);
    ASSERT_FALSE(library.empty());
    const std::vector<std::string> needed = needed_libraries(library);
    bool runtime = false;
    for (const std::string& name : needed) {
      EXPECT_EQ(name.find("pelorin__"), std::string::npos) << name;
      EXPECT_EQ(name.find("rosidl_typesupport_fastrtps"), std::string::npos) << name;
      EXPECT_EQ(name.find("rosidl_typesupport_introspection"), std::string::npos) << name;
      runtime = runtime || name == "librosidl_typesupport_cpp.so" ||
                name == "librosidl_typesupport_c.so";
    }
    EXPECT_TRUE(runtime) << "the dispatch runtime is not among the needed libraries";
  }
}

TEST(DispatchLookup, CHandlesReachTheCSideTypeSupportsLoadedOnFirstUse) {
  const std::vector<Concrete> concretes{
    {"fastrtps_c", rosidl_typesupport_fastrtps_c__identifier},
    {"introspection_c", rosidl_typesupport_introspection_c__identifier}};
  for (const Concrete& concrete : concretes) {
    EXPECT_FALSE(is_loaded(concrete.library())) << concrete.library() << " loaded before use";
  }
  expect_every_type_reaches(concretes, [](const MessageCase& c) { return c.c(); },
                            [](const ServiceCase& c) { return c.c(); });
  expect_action_members_reach(concretes, [](const ActionCase& a) { return a.c(); });
  // From C code, with the C headers alone.
  EXPECT_EQ(c_middleware_path_handle(rosidl_typesupport_fastrtps_c__identifier),
            rosidl_typesupport_c__get_message_type_support_handle__pelorin__msg__Path()->func(
              rosidl_typesupport_c__get_message_type_support_handle__pelorin__msg__Path(),
              "rosidl_typesupport_fastrtps_c"));
  EXPECT_NE(c_middleware_path_handle(rosidl_typesupport_introspection_c__identifier), nullptr);
  // The runtime keeps what it loaded in the map's slots.
  const auto* map = static_cast<const type_support_map_t*>(message_cases()[0].c()->data);
  EXPECT_NE(map->data[0], nullptr);
  EXPECT_NE(map->data[1], nullptr);
}

TEST(DispatchLookup, CppHandlesReachTheCdrAndIntrospectionTypeSupportsLoadedOnFirstUse) {
  const std::vector<Concrete> concretes{
    {"fastrtps_cpp", rosidl_typesupport_fastrtps_cpp::typesupport_identifier},
    {"introspection_cpp", rosidl_typesupport_introspection_cpp::typesupport_identifier}};
  for (const Concrete& concrete : concretes) {
    EXPECT_FALSE(is_loaded(concrete.library())) << concrete.library() << " loaded before use";
  }
  expect_every_type_reaches(concretes, [](const MessageCase& c) { return c.cpp(); },
                            [](const ServiceCase& c) { return c.cpp(); });
  expect_action_members_reach(concretes, [](const ActionCase& a) { return a.cpp(); });
}

TEST(DispatchLookup, CLookupFailuresYieldNullAndSetTheErrorState) {
  const rosidl_message_type_support_t* path = message_cases()[0].c();
  const rosidl_service_type_support_t* service = service_cases()[0].c();
  const auto expect_error = [](const rosidl_message_type_support_t* found, const char* part) {
    EXPECT_EQ(found, nullptr);
    EXPECT_TRUE(rcutils_error_is_set());
    EXPECT_NE(std::string(rcutils_get_error_string().str).find(part), std::string::npos)
      << rcutils_get_error_string().str;
    rcutils_reset_error();
  };
  rcutils_reset_error();
  expect_error(path->func(path, "rosidl_typesupport_unknown"), "rosidl_typesupport_unknown");
  expect_error(path->func(path, "rosidl_typesupport_fastrtps_cpp"), "rosidl_typesupport_fastrtps_cpp");
  EXPECT_EQ(service->func(service, "rosidl_typesupport_unknown"), nullptr);
  EXPECT_TRUE(rcutils_error_is_set());
  rcutils_reset_error();
  expect_error(path->func(nullptr, "rosidl_typesupport_fastrtps_c"), "null");
  expect_error(path->func(path, nullptr), "null");

  // A handle of another type support is not the runtime's to read as a map.
  const rosidl_message_type_support_t* concrete = path->func(path, "rosidl_typesupport_fastrtps_c");
  ASSERT_NE(concrete, nullptr);
  expect_error(rosidl_typesupport_c__get_message_typesupport_handle_function(
                 concrete, "rosidl_typesupport_introspection_c"),
               "rosidl_typesupport_fastrtps_c");

  FakeHandle missing_library(rosidl_typesupport_c__typesupport_identifier,
                             "rosidl_typesupport_fastrtps_c", "no_such_package", "some_symbol",
                             &rosidl_typesupport_c__get_message_typesupport_handle_function);
  expect_error(get_message_typesupport_handle(&missing_library.handle,
                                              "rosidl_typesupport_fastrtps_c"),
               "libno_such_package__rosidl_typesupport_fastrtps_c.so");
  EXPECT_EQ(missing_library.slots[0], nullptr);

  FakeHandle missing_symbol(rosidl_typesupport_c__typesupport_identifier,
                            "rosidl_typesupport_fastrtps_c", "pelorin", "no_such_symbol",
                            &rosidl_typesupport_c__get_message_typesupport_handle_function);
  expect_error(get_message_typesupport_handle(&missing_symbol.handle,
                                              "rosidl_typesupport_fastrtps_c"),
               "no_such_symbol");
}

TEST(DispatchLookup, CppLookupFailuresYieldNull) {
  const rosidl_message_type_support_t* path = message_cases()[0].cpp();
  const rosidl_service_type_support_t* service = service_cases()[0].cpp();
  EXPECT_EQ(path->func(path, "rosidl_typesupport_unknown"), nullptr);
  EXPECT_EQ(path->func(path, "rosidl_typesupport_fastrtps_c"), nullptr);
  EXPECT_EQ(service->func(service, "rosidl_typesupport_unknown"), nullptr);
  EXPECT_EQ(path->func(nullptr, "rosidl_typesupport_fastrtps_cpp"), nullptr);
  EXPECT_EQ(path->func(path, nullptr), nullptr);
  // A generic C handle is not the C++ runtime's to read.
  const rosidl_message_type_support_t* c_path = message_cases()[0].c();
  EXPECT_EQ(rosidl_typesupport_cpp::get_message_typesupport_handle_function(
              c_path, "rosidl_typesupport_fastrtps_cpp"), nullptr);

  FakeHandle missing_library(rosidl_typesupport_cpp::typesupport_identifier,
                             "rosidl_typesupport_fastrtps_cpp", "no_such_package", "some_symbol",
                             &rosidl_typesupport_cpp::get_message_typesupport_handle_function);
  EXPECT_EQ(missing_library.handle.func(&missing_library.handle, "rosidl_typesupport_fastrtps_cpp"),
            nullptr);
  FakeHandle missing_symbol(rosidl_typesupport_cpp::typesupport_identifier,
                            "rosidl_typesupport_fastrtps_c", "pelorin", "no_such_symbol",
                            &rosidl_typesupport_cpp::get_message_typesupport_handle_function);
  EXPECT_EQ(missing_symbol.handle.func(&missing_symbol.handle, "rosidl_typesupport_fastrtps_c"),
            nullptr);
}

}  // namespace
