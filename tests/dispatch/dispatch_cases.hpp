// The generic handles of both dispatch libraries as tables over every message type, service
// and action of pelorin, for tests that hold per type.
#pragma once

#include <string>
#include <vector>

#include "rosidl_runtime_c/action_type_support_struct.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_cpp/action_type_support.hpp"
#include "rosidl_typesupport_cpp/message_type_support.hpp"
#include "rosidl_typesupport_cpp/service_type_support.hpp"

#include "action_msgs/msg/goal_status_array.hpp"
#include "action_msgs/srv/cancel_goal.hpp"
#include "pelorin/action/controller.hpp"
#include "pelorin/action/crop_path_point.hpp"
#include "pelorin/action/force_global_path.hpp"
#include "pelorin/action/fuzzy_lift_free.hpp"
#include "pelorin/action/global_planning.hpp"
#include "pelorin/action/lift_free.hpp"
#include "pelorin/action/local_planning.hpp"
#include "pelorin/msg/movement_constraint.hpp"
#include "pelorin/msg/multi_paths.hpp"
#include "pelorin/msg/path.hpp"
#include "pelorin/srv/get_covered_points.hpp"
#include "pelorin/srv/map_mark.hpp"
#include "pelorin/srv/trigger_clean_coverage.hpp"
#include "../common/pelorin_types.hpp"

using MessageGetter = const rosidl_message_type_support_t * (*)();
using ServiceGetter = const rosidl_service_type_support_t * (*)();
using ActionGetter = const rosidl_action_type_support_t * (*)();

#define DISPATCH_DECLARE_MESSAGE(kind, Type)                                              \
  const rosidl_message_type_support_t *                                                   \
  rosidl_typesupport_cpp__get_message_type_support_handle__pelorin__##kind##__##Type();   \
  const rosidl_message_type_support_t *                                                   \
  rosidl_typesupport_c__get_message_type_support_handle__pelorin__##kind##__##Type();
#define DISPATCH_DECLARE_SERVICE(kind, Type)                                              \
  const rosidl_service_type_support_t *                                                   \
  rosidl_typesupport_c__get_service_type_support_handle__pelorin__##kind##__##Type();
#define DISPATCH_DECLARE_ACTION(Action)                                                   \
  const rosidl_action_type_support_t *                                                    \
  rosidl_typesupport_c__get_action_type_support_handle__pelorin__action__##Action();

extern "C" {
PELORIN_MESSAGE_TYPES(DISPATCH_DECLARE_MESSAGE)
PELORIN_SERVICE_TYPES(DISPATCH_DECLARE_SERVICE)
PELORIN_ACTIONS(DISPATCH_DECLARE_ACTION)
const rosidl_service_type_support_t *
rosidl_typesupport_c__get_service_type_support_handle__action_msgs__srv__CancelGoal();
const rosidl_message_type_support_t *
rosidl_typesupport_c__get_message_type_support_handle__action_msgs__msg__GoalStatusArray();
}

struct MessageCase {
  std::string kind, name;
  MessageGetter cpp;           // rosidl_typesupport_cpp::get_message_type_support_handle<T>
  MessageGetter cpp_c_linkage; // rosidl_typesupport_cpp__get_message_type_support_handle__...
  MessageGetter c;             // rosidl_typesupport_c__get_message_type_support_handle__...
};

struct ServiceCase {
  std::string kind, name;
  ServiceGetter cpp;
  ServiceGetter c;
};

// An action and what its record must hold, from each library.
struct ActionCase {
  std::string name;
  ActionGetter cpp, c;
  ServiceGetter cpp_send_goal, cpp_get_result, c_send_goal, c_get_result;
  MessageGetter cpp_feedback_message, c_feedback_message;
};

inline const std::vector<MessageCase>& message_cases() {
#define DISPATCH_MESSAGE_CASE(kind, Type)                                                       \
  {#kind, #Type, &rosidl_typesupport_cpp::get_message_type_support_handle<pelorin::kind::Type>, \
   &rosidl_typesupport_cpp__get_message_type_support_handle__pelorin__##kind##__##Type,        \
   &rosidl_typesupport_c__get_message_type_support_handle__pelorin__##kind##__##Type},
  static const std::vector<MessageCase> cases{PELORIN_MESSAGE_TYPES(DISPATCH_MESSAGE_CASE)};
#undef DISPATCH_MESSAGE_CASE
  return cases;
}

inline const std::vector<ServiceCase>& service_cases() {
#define DISPATCH_SERVICE_CASE(kind, Type)                                                       \
  {#kind, #Type, &rosidl_typesupport_cpp::get_service_type_support_handle<pelorin::kind::Type>, \
   &rosidl_typesupport_c__get_service_type_support_handle__pelorin__##kind##__##Type},
  static const std::vector<ServiceCase> cases{PELORIN_SERVICE_TYPES(DISPATCH_SERVICE_CASE)};
#undef DISPATCH_SERVICE_CASE
  return cases;
}

inline const std::vector<ActionCase>& action_cases() {
#define DISPATCH_ACTION_CASE(A)                                                                \
  {#A, &rosidl_typesupport_cpp::get_action_type_support_handle<pelorin::action::A>,           \
   &rosidl_typesupport_c__get_action_type_support_handle__pelorin__action__##A,               \
   &rosidl_typesupport_cpp::get_service_type_support_handle<pelorin::action::A##_SendGoal>,   \
   &rosidl_typesupport_cpp::get_service_type_support_handle<pelorin::action::A##_GetResult>,  \
   &rosidl_typesupport_c__get_service_type_support_handle__pelorin__action__##A##_SendGoal,   \
   &rosidl_typesupport_c__get_service_type_support_handle__pelorin__action__##A##_GetResult,  \
   &rosidl_typesupport_cpp::get_message_type_support_handle<                                  \
     pelorin::action::A##_FeedbackMessage>,                                                    \
   &rosidl_typesupport_c__get_message_type_support_handle__pelorin__action__##A##_FeedbackMessage},
  static const std::vector<ActionCase> cases{PELORIN_ACTIONS(DISPATCH_ACTION_CASE)};
#undef DISPATCH_ACTION_CASE
  return cases;
}

// The symbol a map names: rosidl_typesupport_<id>__get_<what>_type_support_handle__pelorin__...
inline std::string handle_symbol(const std::string& id, const char* what, const std::string& kind,
                                 const std::string& name) {
  return "rosidl_typesupport_" + id + "__get_" + what + "_type_support_handle__pelorin__" + kind +
         "__" + name;
}
