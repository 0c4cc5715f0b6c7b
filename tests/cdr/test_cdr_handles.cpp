// The CDR handles and records of every message and service type.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "fill.hpp"
#include "pelorin_cdr.hpp"
#include "rosidl_typesupport_fastrtps_cpp/identifier.hpp"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"
#include "rosidl_typesupport_fastrtps_cpp/service_type_support.h"

namespace
{

// The handle that the exported C function `symbol` returns, looked up by name as the
// dispatch runtime does.
template<typename Handle>
const Handle * by_symbol(const std::string & symbol)
{
  void * function = dlsym(RTLD_DEFAULT, symbol.c_str());
  EXPECT_NE(function, nullptr) << symbol;
  if (function == nullptr) {
    return nullptr;
  }
  return reinterpret_cast<const Handle * (*)()>(function)();
}

template<typename T>
int check_message_handle(const cdr_test::Ops<T> & ops, const char * kind, const char * name)
{
  SCOPED_TRACE(name);
  const rosidl_message_type_support_t * handle =
    rosidl_typesupport_fastrtps_cpp::get_message_type_support_handle<T>();
  EXPECT_NE(handle, nullptr);
  EXPECT_EQ(handle, rosidl_typesupport_fastrtps_cpp::get_message_type_support_handle<T>());
  EXPECT_EQ(handle, by_symbol<rosidl_message_type_support_t>(
      std::string("rosidl_typesupport_fastrtps_cpp__get_message_type_support_handle__pelorin__") +
      kind + "__" + name));
  EXPECT_EQ(handle->typesupport_identifier, rosidl_typesupport_fastrtps_cpp::typesupport_identifier);
  EXPECT_STREQ(handle->typesupport_identifier, "rosidl_typesupport_fastrtps_cpp");
  EXPECT_EQ(handle->func, &get_message_typesupport_handle_function);
  EXPECT_EQ(handle->func(handle, "rosidl_typesupport_fastrtps_cpp"), handle);

  const auto * record = static_cast<const message_type_support_callbacks_t *>(handle->data);
  EXPECT_EQ(std::string(record->message_namespace_), std::string("pelorin::") + kind);
  EXPECT_STREQ(record->message_name_, name);

  // The entries forward to the exported functions.
  T msg;
  cdr_test::Random random(7);
  cdr_test::fill(msg, random);
  const size_t size = ops.size(msg, 0);
  EXPECT_EQ(record->get_serialized_size(&msg), size);
  const cdr_test::Bytes expected = cdr_test::encode(ops, msg);
  std::vector<char> buffer(size);
  eprosima::fastcdr::FastBuffer fast(buffer.data(), buffer.size());
  eprosima::fastcdr::Cdr cdr(fast, eprosima::fastcdr::Cdr::LITTLE_ENDIANNESS);
  EXPECT_TRUE(record->cdr_serialize(&msg, cdr));
  EXPECT_EQ(cdr_test::Bytes(buffer.begin(), buffer.end()), expected);
  T back;
  eprosima::fastcdr::Cdr reader(fast, eprosima::fastcdr::Cdr::LITTLE_ENDIANNESS);
  EXPECT_TRUE(record->cdr_deserialize(reader, &back));
  EXPECT_TRUE(back == msg);

  bool full_bounded = false;
  bool is_plain = false;
  const size_t max = ops.max(full_bounded, is_plain, 0);
  char bounds = 42;
  EXPECT_EQ(record->max_serialized_size(bounds), max);
  EXPECT_EQ(bounds, is_plain ? 3 : (full_bounded ? 1 : 0));
  return 1;
}

TEST(CdrHandles, EveryMessageType)
{
  int count = 0;
#define CHECK(kind, Type) count += check_message_handle(PELORIN_OPS(kind, Type), #kind, #Type);
  PELORIN_MESSAGE_TYPES(CHECK)
#undef CHECK
  EXPECT_EQ(count, 65);
}

TEST(CdrHandles, BoundsOctetOfTheRecords)
{
  const auto * trigger = static_cast<const message_type_support_callbacks_t *>(
    rosidl_typesupport_fastrtps_cpp::get_message_type_support_handle<
      pelorin::srv::TriggerCleanCoverage_Request>()->data);
  char bounds = 0;
  EXPECT_EQ(trigger->max_serialized_size(bounds), 12u);
  EXPECT_EQ(bounds, 3);
  const auto * map_mark = static_cast<const message_type_support_callbacks_t *>(
    rosidl_typesupport_fastrtps_cpp::get_message_type_support_handle<
      pelorin::srv::MapMark_Request>()->data);
  bounds = 3;
  EXPECT_EQ(map_mark->max_serialized_size(bounds), 16u);
  EXPECT_EQ(bounds, 0);
}

template<typename S>
int check_service_handle(const char * kind, const char * name)
{
  SCOPED_TRACE(name);
  const std::string type = std::string("pelorin__") + kind + "__" + name;
  const rosidl_service_type_support_t * handle =
    rosidl_typesupport_fastrtps_cpp::get_service_type_support_handle<S>();
  EXPECT_NE(handle, nullptr);
  EXPECT_EQ(handle, rosidl_typesupport_fastrtps_cpp::get_service_type_support_handle<S>());
  EXPECT_EQ(handle, by_symbol<rosidl_service_type_support_t>(
      "rosidl_typesupport_fastrtps_cpp__get_service_type_support_handle__" + type));
  EXPECT_EQ(handle->typesupport_identifier, rosidl_typesupport_fastrtps_cpp::typesupport_identifier);
  EXPECT_EQ(handle->func, &get_service_typesupport_handle_function);

  const auto * record = static_cast<const service_type_support_callbacks_t *>(handle->data);
  EXPECT_EQ(std::string(record->service_namespace_), std::string("pelorin::") + kind);
  EXPECT_STREQ(record->service_name_, name);
  const std::string message_symbol =
    "rosidl_typesupport_fastrtps_cpp__get_message_type_support_handle__" + type;
  EXPECT_EQ(record->request_members_,
    by_symbol<rosidl_message_type_support_t>(message_symbol + "_Request"));
  EXPECT_EQ(record->request_members_, rosidl_typesupport_fastrtps_cpp::
    get_message_type_support_handle<typename S::Request>());
  EXPECT_EQ(record->response_members_,
    by_symbol<rosidl_message_type_support_t>(message_symbol + "_Response"));
  EXPECT_EQ(record->response_members_, rosidl_typesupport_fastrtps_cpp::
    get_message_type_support_handle<typename S::Response>());
  return 1;
}

TEST(CdrHandles, EveryServiceType)
{
  int count = 0;
#define CHECK(kind, Service) count += check_service_handle<pelorin::kind::Service>(#kind, #Service);
  PELORIN_SERVICE_TYPES(CHECK)
#undef CHECK
  EXPECT_EQ(count, 17);
}

}  // namespace
