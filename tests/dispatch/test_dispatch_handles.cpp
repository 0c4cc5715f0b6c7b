// The records of both dispatch libraries, as loaded: handles, maps and action bundles. This
// binary never looks a type support up, so the maps' slots are as the libraries left them.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "rosidl_typesupport_c/identifier.h"
#include "rosidl_typesupport_c/message_type_support_dispatch.h"
#include "rosidl_typesupport_c/service_type_support_dispatch.h"
#include "rosidl_typesupport_c/type_support_map.h"
#include "rosidl_typesupport_cpp/identifier.hpp"
#include "rosidl_typesupport_cpp/message_type_support_dispatch.hpp"
#include "rosidl_typesupport_cpp/service_type_support_dispatch.hpp"
#include "rosidl_typesupport_cpp/type_support_map.h"
#include "dispatch_cases.hpp"

namespace {

// What one library's maps must say.
struct Library {
  const char* generic_identifier;
  std::string ids[2];  // "fastrtps_cpp", "introspection_cpp"
};
const Library kCpp{"rosidl_typesupport_cpp", {"fastrtps_cpp", "introspection_cpp"}};
const Library kC{"rosidl_typesupport_c", {"fastrtps_c", "introspection_c"}};

void expect_map(const void* data, const Library& lib, const char* what, const std::string& kind,
                const std::string& name) {
  SCOPED_TRACE(std::string(lib.generic_identifier) + " " + kind + "/" + name);
  ASSERT_NE(data, nullptr);
  const auto* map = static_cast<const type_support_map_t*>(data);
  ASSERT_EQ(map->size, 2u);
  EXPECT_STREQ(map->package_name, "pelorin");
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(map->typesupport_identifier[i], "rosidl_typesupport_" + lib.ids[i]);
    EXPECT_EQ(map->symbol_name[i], handle_symbol(lib.ids[i], what, kind, name));
    EXPECT_EQ(map->data[i], nullptr);
  }
}

TEST(DispatchHandles, EveryMessageHandleCarriesItsIdentifierLookupAndMap) {
  std::set<const void*> handles;
  for (const MessageCase& c : message_cases()) {
    SCOPED_TRACE(c.kind + "/" + c.name);
    const rosidl_message_type_support_t* cpp = c.cpp();
    ASSERT_NE(cpp, nullptr);
    EXPECT_EQ(c.cpp_c_linkage(), cpp);
    EXPECT_EQ(cpp->typesupport_identifier, rosidl_typesupport_cpp::typesupport_identifier);
    EXPECT_EQ(cpp->func, &rosidl_typesupport_cpp::get_message_typesupport_handle_function);
    expect_map(cpp->data, kCpp, "message", c.kind, c.name);

    const rosidl_message_type_support_t* ch = c.c();
    ASSERT_NE(ch, nullptr);
    EXPECT_EQ(c.c(), ch);
    EXPECT_EQ(ch->typesupport_identifier, rosidl_typesupport_c__typesupport_identifier);
    EXPECT_EQ(ch->func, &rosidl_typesupport_c__get_message_typesupport_handle_function);
    expect_map(ch->data, kC, "message", c.kind, c.name);
    EXPECT_TRUE(handles.insert(cpp).second && handles.insert(ch).second);
  }
  EXPECT_EQ(message_cases().size(), 65u);
  EXPECT_EQ(handles.size(), 130u);
}

TEST(DispatchHandles, EveryServiceHandleCarriesItsIdentifierLookupAndMap) {
  std::set<const void*> handles;
  for (const ServiceCase& c : service_cases()) {
    SCOPED_TRACE(c.kind + "/" + c.name);
    const rosidl_service_type_support_t* cpp = c.cpp();
    ASSERT_NE(cpp, nullptr);
    EXPECT_EQ(c.cpp(), cpp);
    EXPECT_EQ(cpp->typesupport_identifier, rosidl_typesupport_cpp::typesupport_identifier);
    EXPECT_EQ(cpp->func, &rosidl_typesupport_cpp::get_service_typesupport_handle_function);
    expect_map(cpp->data, kCpp, "service", c.kind, c.name);

    const rosidl_service_type_support_t* ch = c.c();
    ASSERT_NE(ch, nullptr);
    EXPECT_EQ(ch->typesupport_identifier, rosidl_typesupport_c__typesupport_identifier);
    EXPECT_EQ(ch->func, &rosidl_typesupport_c__get_service_typesupport_handle_function);
    expect_map(ch->data, kC, "service", c.kind, c.name);
    EXPECT_TRUE(handles.insert(cpp).second && handles.insert(ch).second);
  }
  EXPECT_EQ(service_cases().size(), 17u);
  EXPECT_EQ(handles.size(), 34u);
}

// Message and service maps together: no two of the 164 maps share a slot array.
TEST(DispatchHandles, NoTwoMapsShareSlots) {
  std::set<void**> slot_arrays;
  const auto add = [&](const void* data) {
    slot_arrays.insert(static_cast<const type_support_map_t*>(data)->data);
  };
  for (const MessageCase& c : message_cases()) {
    add(c.cpp()->data);
    add(c.c()->data);
  }
  for (const ServiceCase& c : service_cases()) {
    add(c.cpp()->data);
    add(c.c()->data);
  }
  EXPECT_EQ(slot_arrays.size(), 2u * (65 + 17));
}

TEST(DispatchHandles, ActionRecordsBundleGoalResultCancelFeedbackAndStatusInOrder) {
  const rosidl_service_type_support_t* cpp_cancel =
    rosidl_typesupport_cpp::get_service_type_support_handle<action_msgs::srv::CancelGoal>();
  const rosidl_message_type_support_t* cpp_status =
    rosidl_typesupport_cpp::get_message_type_support_handle<action_msgs::msg::GoalStatusArray>();
  const rosidl_service_type_support_t* c_cancel =
    rosidl_typesupport_c__get_service_type_support_handle__action_msgs__srv__CancelGoal();
  const rosidl_message_type_support_t* c_status =
    rosidl_typesupport_c__get_message_type_support_handle__action_msgs__msg__GoalStatusArray();
  // Cancel and status are action_msgs' generic handles, not concrete ones.
  ASSERT_NE(cpp_cancel, nullptr);
  ASSERT_NE(c_status, nullptr);
  EXPECT_EQ(cpp_cancel->typesupport_identifier, rosidl_typesupport_cpp::typesupport_identifier);
  EXPECT_STREQ(static_cast<const type_support_map_t*>(cpp_cancel->data)->package_name,
               "action_msgs");
  EXPECT_EQ(c_status->typesupport_identifier, rosidl_typesupport_c__typesupport_identifier);
  EXPECT_STREQ(static_cast<const type_support_map_t*>(c_status->data)->package_name,
               "action_msgs");

  std::set<const void*> records;
  for (const ActionCase& a : action_cases()) {
    SCOPED_TRACE(a.name);
    const rosidl_action_type_support_t* cpp = a.cpp();
    ASSERT_NE(cpp, nullptr);
    EXPECT_EQ(a.cpp(), cpp);
    EXPECT_EQ(cpp->goal_service_type_support, a.cpp_send_goal());
    EXPECT_EQ(cpp->result_service_type_support, a.cpp_get_result());
    EXPECT_EQ(cpp->cancel_service_type_support, cpp_cancel);
    EXPECT_EQ(cpp->feedback_message_type_support, a.cpp_feedback_message());
    EXPECT_EQ(cpp->status_message_type_support, cpp_status);

    const rosidl_action_type_support_t* c = a.c();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(a.c(), c);
    EXPECT_EQ(c->goal_service_type_support, a.c_send_goal());
    EXPECT_EQ(c->result_service_type_support, a.c_get_result());
    EXPECT_EQ(c->cancel_service_type_support, c_cancel);
    EXPECT_EQ(c->feedback_message_type_support, a.c_feedback_message());
    EXPECT_EQ(c->status_message_type_support, c_status);
    EXPECT_TRUE(records.insert(cpp).second && records.insert(c).second);
  }
  EXPECT_EQ(action_cases().size(), 7u);
}

}  // namespace
