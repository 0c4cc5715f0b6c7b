// The introspection tables and handles of every pelorin type, checked against the
// definitions (catalogue_fields.hpp) and the C++ structures; the handles are also looked up
// by their exported C names, as the dispatch layer does.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "rosidl_typesupport_introspection_cpp/field_types.hpp"
#include "rosidl_typesupport_introspection_cpp/identifier.hpp"
#include "rosidl_typesupport_introspection_cpp/message_introspection.hpp"
#include "rosidl_typesupport_introspection_cpp/service_introspection.hpp"
#include "../common/pelorin_types.hpp"
#include "catalogue_fields.hpp"
#include "introspection_headers.hpp"

// offsetof over the message structures, which hold std::string and std::vector members.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"

namespace {

namespace ts = rosidl_typesupport_introspection_cpp;

const char* kLibrary = "libpelorin__rosidl_typesupport_introspection_cpp.so";

void* library() {
  static void* handle = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
  return handle;
}

template <typename N>
const rosidl_message_type_support_t* nested_handle() {
  return ts::get_message_type_support_handle<N>();
}
template <>
const rosidl_message_type_support_t* nested_handle<void>() {
  return nullptr;
}

struct ExpectedField {
  const char* name;
  uint8_t code;
  std::size_t offset;
  const rosidl_message_type_support_t* nested;
  std::string nested_type;  // "geometry_msgs::msg::PoseStamped", "void"
  bool sequence;
};

// The file of the loaded object that holds `address`, and the symbol at it.
std::string object_of(const void* address) {
  Dl_info info{};
  if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) return "";
  return info.dli_fname;
}
std::string symbol_of(const void* address) {
  Dl_info info{};
  if (dladdr(address, &info) == 0 || info.dli_sname == nullptr) return "";
  return info.dli_sname;
}

std::string package_of(const std::string& cpp_type) { return cpp_type.substr(0, cpp_type.find("::")); }
std::string name_of(const std::string& cpp_type) { return cpp_type.substr(cpp_type.rfind("::") + 2); }

// Totals over all tables, checked against the histogram of the catalogue.
struct Totals {
  std::map<int, int> codes;
  int records = 0, sequences = 0, nested_single = 0, types = 0;
};

void check_array_function(const void* fn, const char* op, const std::string& type,
                          const char* member) {
  ASSERT_NE(fn, nullptr) << op;
  const std::string expected = std::string(op) + "_function__" + type + "__" + member;
  EXPECT_NE(symbol_of(fn).find(expected), std::string::npos)
      << "points to " << symbol_of(fn) << ", expected " << expected;
}

template <typename T>
void check_table(const char* kind, const char* name, const std::vector<ExpectedField>& fields,
                 void (*init)(void*, rosidl_runtime_cpp::MessageInitialization),
                 void (*fini)(void*), Totals& totals) {
  SCOPED_TRACE(name);
  ++totals.types;
  const rosidl_message_type_support_t* handle = ts::get_message_type_support_handle<T>();
  ASSERT_NE(handle, nullptr);
  const std::string symbol =
      std::string("rosidl_typesupport_introspection_cpp__get_message_type_support_handle__pelorin__") +
      kind + "__" + name;
  auto c_function =
      reinterpret_cast<const rosidl_message_type_support_t* (*)()>(dlsym(library(), symbol.c_str()));
  ASSERT_NE(c_function, nullptr) << symbol;
  EXPECT_EQ(c_function(), handle);
  EXPECT_EQ(handle->typesupport_identifier, ts::typesupport_identifier);  // the pointer itself
  EXPECT_EQ(handle->func, &get_message_typesupport_handle_function);
  EXPECT_NE(object_of(handle).find(kLibrary), std::string::npos) << object_of(handle);

  const auto* table = static_cast<const ts::MessageMembers*>(handle->data);
  ASSERT_NE(table, nullptr);
  EXPECT_STREQ(table->message_namespace_, (std::string("pelorin::") + kind).c_str());
  EXPECT_STREQ(table->message_name_, name);
  EXPECT_EQ(table->size_of_, sizeof(T));
  EXPECT_EQ(table->init_function, init);
  EXPECT_EQ(table->fini_function, fini);
  ASSERT_EQ(table->member_count_, fields.size());
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const ts::MessageMember& m = table->members_[i];
    const ExpectedField& e = fields[i];
    SCOPED_TRACE(e.name);
    ++totals.records;
    ++totals.codes[m.type_id_];
    EXPECT_STREQ(m.name_, e.name);
    EXPECT_EQ(m.type_id_, e.code);
    EXPECT_EQ(m.string_upper_bound_, 0u);
    EXPECT_EQ(m.is_array_, e.sequence);
    EXPECT_EQ(m.array_size_, 0u);
    EXPECT_FALSE(m.is_upper_bound_);
    EXPECT_EQ(m.offset_, e.offset);
    if (i > 0) {
      EXPECT_GT(m.offset_, table->members_[i - 1].offset_);
    }
    EXPECT_EQ(m.default_value_, nullptr);
    EXPECT_EQ(m.members_, e.nested);
    if (e.code == ts::ROS_TYPE_MESSAGE) {
      ASSERT_NE(m.members_, nullptr);
      // The nested handle is the one of the nested type's own package library.
      EXPECT_NE(object_of(m.members_).find("lib" + package_of(e.nested_type) +
                                           "__rosidl_typesupport_introspection_cpp.so"),
                std::string::npos)
          << object_of(m.members_);
      const auto* nested = static_cast<const ts::MessageMembers*>(m.members_->data);
      EXPECT_EQ(std::string(nested->message_name_), name_of(e.nested_type));
      EXPECT_EQ(m.members_->typesupport_identifier, ts::typesupport_identifier);
      if (e.sequence) ++totals.sequences; else ++totals.nested_single;
    }
    if (e.sequence) {
      check_array_function(reinterpret_cast<const void*>(m.size_function), "size", name, e.name);
      check_array_function(reinterpret_cast<const void*>(m.get_const_function), "get_const", name, e.name);
      check_array_function(reinterpret_cast<const void*>(m.get_function), "get", name, e.name);
      check_array_function(reinterpret_cast<const void*>(m.fetch_function), "fetch", name, e.name);
      check_array_function(reinterpret_cast<const void*>(m.assign_function), "assign", name, e.name);
      check_array_function(reinterpret_cast<const void*>(m.resize_function), "resize", name, e.name);
    } else {
      EXPECT_EQ(m.size_function, nullptr);
      EXPECT_EQ(m.get_const_function, nullptr);
      EXPECT_EQ(m.get_function, nullptr);
      EXPECT_EQ(m.fetch_function, nullptr);
      EXPECT_EQ(m.assign_function, nullptr);
      EXPECT_EQ(m.resize_function, nullptr);
    }
  }
}

TEST(IntrospectionTables, EveryTableMatchesTheDefinitionsAndTheStructure) {
  ASSERT_NE(library(), nullptr) << dlerror();
  Totals totals;
#define FIELD(fname, code, nested, seq) \
  ExpectedField{#fname, code, offsetof(T, fname), nested_handle<nested>(), #nested, seq},
#define CHECK(kind, Type)                                                                 \
  {                                                                                       \
    using T = pelorin::kind::Type;                                                        \
    check_table<T>(#kind, #Type, {PELORIN_FIELDS_##kind##_##Type(FIELD)},                 \
                   &pelorin::kind::rosidl_typesupport_introspection_cpp::Type##_init_function, \
                   &pelorin::kind::rosidl_typesupport_introspection_cpp::Type##_fini_function, \
                   totals);                                                               \
  }
  PELORIN_MESSAGE_TYPES(CHECK)
#undef CHECK
#undef FIELD
  EXPECT_EQ(totals.types, 65);
  EXPECT_EQ(totals.records, 194);
  const std::map<int, int> histogram{{ts::ROS_TYPE_FLOAT, 18}, {ts::ROS_TYPE_BOOLEAN, 44},
                                     {ts::ROS_TYPE_UINT8, 5},  {ts::ROS_TYPE_INT8, 7},
                                     {ts::ROS_TYPE_INT32, 12}, {ts::ROS_TYPE_STRING, 8},
                                     {ts::ROS_TYPE_MESSAGE, 100}};
  EXPECT_EQ(totals.codes, histogram);
  EXPECT_EQ(totals.sequences, 18);
  EXPECT_EQ(totals.nested_single, 82);
}

TEST(IntrospectionTables, EmptyFeedbackHoldsOnlyThePlaceholder) {
  const auto* table = static_cast<const ts::MessageMembers*>(
      ts::get_message_type_support_handle<pelorin::action::CropPathPoint_Feedback>()->data);
  ASSERT_EQ(table->member_count_, 1u);
  EXPECT_STREQ(table->members_[0].name_, "structure_needs_at_least_one_member");
  EXPECT_EQ(table->members_[0].type_id_, ts::ROS_TYPE_UINT8);
  EXPECT_EQ(table->members_[0].offset_, 0u);
  EXPECT_EQ(table->size_of_, 1u);
}

// ---- services

template <typename S, typename Request, typename Response>
void check_service(const char* kind, const char* name) {
  SCOPED_TRACE(name);
  const std::string symbol =
      std::string("rosidl_typesupport_introspection_cpp__get_service_type_support_handle__pelorin__") +
      kind + "__" + name;
  auto c_function =
      reinterpret_cast<const rosidl_service_type_support_t* (*)()>(dlsym(library(), symbol.c_str()));
  ASSERT_NE(c_function, nullptr) << symbol;
  // The C name first: a caller that only knows it gets a complete record as well.
  const rosidl_service_type_support_t* handle = c_function();
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(ts::get_service_type_support_handle<S>(), handle);
  EXPECT_EQ(handle->typesupport_identifier, ts::typesupport_identifier);
  EXPECT_EQ(handle->func, &get_service_typesupport_handle_function);
  const auto* service = static_cast<const ts::ServiceMembers*>(handle->data);
  EXPECT_STREQ(service->service_namespace_, (std::string("pelorin::") + kind).c_str());
  EXPECT_STREQ(service->service_name_, name);
  EXPECT_EQ(service->request_members_,
            ts::get_message_type_support_handle<Request>()->data);
  EXPECT_EQ(service->response_members_,
            ts::get_message_type_support_handle<Response>()->data);
  ASSERT_NE(service->request_members_, nullptr);
  EXPECT_EQ(std::string(service->request_members_->message_name_), std::string(name) + "_Request");
  EXPECT_EQ(std::string(service->response_members_->message_name_), std::string(name) + "_Response");
  // A second request returns the same, unchanged record.
  const ts::ServiceMembers before = *service;
  EXPECT_EQ(c_function(), handle);
  EXPECT_EQ(service->request_members_, before.request_members_);
  EXPECT_EQ(service->response_members_, before.response_members_);
}

TEST(IntrospectionServices, EveryServiceRecordIsCompleteOnRequest) {
  ASSERT_NE(library(), nullptr) << dlerror();
#define CHECK(kind, S) \
  check_service<pelorin::kind::S, pelorin::kind::S##_Request, pelorin::kind::S##_Response>(#kind, #S);
  PELORIN_SERVICE_TYPES(CHECK)
#undef CHECK
}

TEST(IntrospectionServices, NoActionLevelHandles) {
  ASSERT_NE(library(), nullptr) << dlerror();
  EXPECT_EQ(dlsym(library(),
                  "rosidl_typesupport_introspection_cpp__get_action_type_support_handle__pelorin__"
                  "action__CropPathPoint"),
            nullptr);
}

}  // namespace
