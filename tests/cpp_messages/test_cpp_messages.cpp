// The C++ message structures: construction modes, copies, service and action types, traits.
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>
#include <type_traits>

#include "action_msgs/msg/goal_status.hpp"
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

// The tests construct into pre-filled storage on purpose and read what the constructor wrote;
// GCC cannot see that the placement constructor writes the members it checks.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

namespace {

using rosidl_runtime_cpp::MessageInitialization;

// Constructs T with `mode` in storage pre-filled with 0xAB, so that what the constructor
// leaves unwritten is visible as 0xAB bytes.
template <typename T>
struct Dirty {
  alignas(T) unsigned char storage[sizeof(T)];
  T* msg;
  explicit Dirty(MessageInitialization mode) {
    std::memset(storage, 0xAB, sizeof storage);
    msg = new (storage) T(mode);
  }
  ~Dirty() { msg->~T(); }
  bool untouched(const void* member, std::size_t size) const {
    const auto* p = static_cast<const unsigned char*>(member);
    for (std::size_t i = 0; i < size; ++i) {
      if (p[i] != 0xAB) return false;
    }
    return true;
  }
};

// Every type: traits name it by package/kind/Type, and copy and move keep its value.
template <typename T>
int check_type(const char* kind, const char* name) {
  SCOPED_TRACE(name);
  EXPECT_EQ(std::string(rosidl_generator_traits::name<T>()),
            std::string("pelorin/") + kind + "/" + name);
  EXPECT_EQ(std::string(rosidl_generator_traits::data_type<T>()),
            std::string("pelorin::") + kind + "::" + name);
  EXPECT_TRUE(rosidl_generator_traits::is_message<T>::value);
  static_assert(std::is_same<T, typename T::Type>::value, "alias names the instantiation");
  static_assert(std::is_same<typename T::SharedPtr, std::shared_ptr<T>>::value, "SharedPtr");
  const T a;
  T b(a);
  EXPECT_TRUE(a == b);
  EXPECT_FALSE(a != b);
  const T c(std::move(b));
  EXPECT_TRUE(a == c);
  typename T::UniquePtr owned(new T(MessageInitialization::ZERO));
  EXPECT_FALSE(to_yaml(*owned).empty());  // found by argument-dependent lookup
  return 1;
}

TEST(CppMessages, EveryTypeIsNamedCopiedAndPrinted) {
  int count = 0;
#define CHECK(kind, Type) count += check_type<pelorin::kind::Type>(#kind, #Type);
  PELORIN_MESSAGE_TYPES(CHECK)
#undef CHECK
  EXPECT_EQ(count, 65);
}

TEST(CppMessages, ServiceAndActionTypesNameTheirParts) {
  using pelorin::action::Controller;
  static_assert(std::is_same<pelorin::srv::MapMark::Request, pelorin::srv::MapMark_Request>::value, "");
  static_assert(std::is_same<pelorin::srv::MapMark::Response, pelorin::srv::MapMark_Response>::value, "");
  static_assert(std::is_same<Controller::Goal, pelorin::action::Controller_Goal>::value, "");
  static_assert(std::is_same<Controller::Result, pelorin::action::Controller_Result>::value, "");
  static_assert(std::is_same<Controller::Feedback, pelorin::action::Controller_Feedback>::value, "");
  static_assert(std::is_same<Controller::Impl::SendGoalService::Request,
                             pelorin::action::Controller_SendGoal_Request>::value, "");
  static_assert(std::is_same<Controller::Impl::GetResultService::Response,
                             pelorin::action::Controller_GetResult_Response>::value, "");
  static_assert(std::is_same<Controller::Impl::FeedbackMessage,
                             pelorin::action::Controller_FeedbackMessage>::value, "");
  static_assert(std::is_same<Controller::Impl::CancelGoalService, action_msgs::srv::CancelGoal>::value, "");
  static_assert(std::is_same<Controller::Impl::GoalStatusMessage, action_msgs::msg::GoalStatusArray>::value, "");

  using namespace rosidl_generator_traits;
#define SERVICE(kind, S)                                                   \
  EXPECT_TRUE(is_service<pelorin::kind::S>::value) << #S;                  \
  EXPECT_TRUE(is_service_request<pelorin::kind::S##_Request>::value) << #S; \
  EXPECT_TRUE(is_service_response<pelorin::kind::S##_Response>::value) << #S; \
  EXPECT_EQ(std::string(name<pelorin::kind::S>()), "pelorin/" #kind "/" #S);
  PELORIN_SERVICE_TYPES(SERVICE)
#undef SERVICE
#define ACTION(A)                                                        \
  EXPECT_TRUE(is_action<pelorin::action::A>::value) << #A;               \
  EXPECT_TRUE(is_action_goal<pelorin::action::A##_Goal>::value) << #A;   \
  EXPECT_TRUE(is_action_result<pelorin::action::A##_Result>::value) << #A; \
  EXPECT_TRUE(is_action_feedback<pelorin::action::A##_Feedback>::value) << #A; \
  EXPECT_FALSE(is_message<pelorin::action::A>::value) << #A;
  PELORIN_ACTIONS(ACTION)
#undef ACTION
  EXPECT_FALSE(is_service_request<pelorin::action::Controller_Goal>::value);
  EXPECT_FALSE(is_action_goal<pelorin::srv::MapMark_Request>::value);

  EXPECT_TRUE(has_fixed_size<pelorin::msg::MovementConstraint>::value);
  EXPECT_TRUE(has_fixed_size<pelorin::action::LiftFree_GetResult_Response>::value);
  EXPECT_TRUE(has_fixed_size<pelorin::action::CropPathPoint_GetResult_Request>::value);
  EXPECT_FALSE(has_fixed_size<pelorin::action::CropPathPoint_Goal>::value);  // header frame_id
  EXPECT_FALSE(has_bounded_size<pelorin::msg::MultiPaths>::value);
  EXPECT_TRUE(has_fixed_size<pelorin::srv::TriggerCleanCoverage>::value);
  EXPECT_FALSE(has_fixed_size<pelorin::srv::MapMark>::value);
}

TEST(CppMessages, DependencyConstantsAndDefaults) {
  EXPECT_EQ(action_msgs::msg::GoalStatus::STATUS_UNKNOWN, 0);
  EXPECT_EQ(action_msgs::msg::GoalStatus::STATUS_ABORTED, 6);
  EXPECT_EQ(action_msgs::srv::CancelGoal_Response::ERROR_GOAL_TERMINATED, 3);
  static_assert(std::is_same<decltype(unique_identifier_msgs::msg::UUID::uuid),
                             std::array<uint8_t, 16>>::value, "UUID is 16 octets");
  const geometry_msgs::msg::Quaternion q;
  EXPECT_EQ(q.x, 0.0);
  EXPECT_EQ(q.w, 1.0);
}

TEST(CppMessages, OwnMembersFollowTheMode) {
  using pelorin::msg::MovementConstraint;
  for (auto mode : {MessageInitialization::ALL, MessageInitialization::ZERO}) {
    Dirty<MovementConstraint> m(mode);
    EXPECT_FALSE(m.msg->precise_goal_reaching);
    EXPECT_FALSE(m.msg->allow_backword_movement);
    EXPECT_FALSE(m.msg->allow_horizontal_movement);
  }
  for (auto mode : {MessageInitialization::SKIP, MessageInitialization::DEFAULTS_ONLY}) {
    Dirty<MovementConstraint> m(mode);
    EXPECT_TRUE(m.untouched(m.msg, sizeof(MovementConstraint)));
  }

  Dirty<pelorin::msg::Path> path(MessageInitialization::ALL);
  EXPECT_EQ(path.msg->nav_path.header.stamp.sec, 0);
  EXPECT_EQ(path.msg->nav_path.header.stamp.nanosec, 0u);
  EXPECT_EQ(path.msg->nav_path.header.frame_id, "");
  EXPECT_TRUE(path.msg->nav_path.poses.empty());
  EXPECT_EQ(path.msg->tolerance, 0.0f);
  EXPECT_FALSE(path.msg->move_backward);
  EXPECT_FALSE(path.msg->in_narrow_space);
  EXPECT_EQ(path.msg->clean_state, 0);

  Dirty<pelorin::action::LiftFree_GetResult_Response> response(MessageInitialization::ZERO);
  EXPECT_EQ(response.msg->status, 0);
  EXPECT_FALSE(response.msg->result.is_free);
  EXPECT_FALSE(response.msg->result.robot_in_polygon);

  Dirty<pelorin::action::CropPathPoint_Feedback> feedback(MessageInitialization::ALL);
  EXPECT_EQ(feedback.msg->structure_needs_at_least_one_member, 0);

  for (auto mode : {MessageInitialization::ALL, MessageInitialization::ZERO}) {
    Dirty<pelorin::action::Controller_SendGoal_Request> request(mode);
    for (uint8_t octet : request.msg->goal_id.uuid) EXPECT_EQ(octet, 0);
    Dirty<pelorin::action::Controller_SendGoal_Response> sent(mode);
    EXPECT_FALSE(sent.msg->accepted);
    EXPECT_EQ(sent.msg->stamp.sec, 0);
    EXPECT_EQ(sent.msg->stamp.nanosec, 0u);
  }
  for (auto mode : {MessageInitialization::ALL, MessageInitialization::SKIP,
                    MessageInitialization::ZERO, MessageInitialization::DEFAULTS_ONLY}) {
    Dirty<pelorin::srv::GetCoveredPoints_Response> covered(mode);
    EXPECT_TRUE(covered.msg->covered_points.empty());
    Dirty<pelorin::action::FuzzyLiftFree_Goal> fuzzy(mode);
    EXPECT_EQ(fuzzy.msg->task_id, "");
  }
}

// A nested PoseStamped follows the mode through geometry_msgs' own rules: the quaternion
// default (0, 0, 0, 1) under ALL and DEFAULTS_ONLY, zeros under ZERO, nothing under SKIP.
TEST(CppMessages, NestedPoseFollowsTheModeOfItsPackage) {
  const struct { MessageInitialization mode; bool written; double w; bool position_zero; } cases[] = {
      {MessageInitialization::ALL, true, 1.0, true},
      {MessageInitialization::DEFAULTS_ONLY, true, 1.0, false},
      {MessageInitialization::ZERO, true, 0.0, true},
      {MessageInitialization::SKIP, false, 0.0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    Dirty<pelorin::action::LiftFree_Goal> goal(c.mode);
    const auto& pose = goal.msg->pose.pose;
    if (c.written) {
      EXPECT_EQ(pose.orientation.x, 0.0);
      EXPECT_EQ(pose.orientation.y, 0.0);
      EXPECT_EQ(pose.orientation.z, 0.0);
      EXPECT_EQ(pose.orientation.w, c.w);
    } else {
      EXPECT_TRUE(goal.untouched(&pose.orientation, sizeof pose.orientation));
    }
    if (c.position_zero) {
      EXPECT_EQ(pose.position.x, 0.0);
      EXPECT_EQ(pose.position.z, 0.0);
    } else {
      EXPECT_TRUE(goal.untouched(&pose.position, sizeof pose.position));
    }
    EXPECT_EQ(goal.msg->pose.header.frame_id, "");
  }
}

TEST(CppMessages, GrownPathSequenceHoldsFreshPaths) {
  pelorin::msg::MultiPaths multi;
  multi.paths.resize(1);
  multi.paths[0].clean_state = 7;
  multi.paths[0].nav_path.poses.resize(2);
  multi.paths.resize(40);  // reallocates: the first path moves with its values
  EXPECT_EQ(multi.paths[0].clean_state, 7);
  EXPECT_EQ(multi.paths[0].nav_path.poses.size(), 2u);
  const pelorin::msg::Path fresh(MessageInitialization::ALL);
  for (std::size_t i = 1; i < multi.paths.size(); ++i) EXPECT_EQ(multi.paths[i], fresh) << i;
  EXPECT_EQ(multi.paths[39].nav_path.poses.size(), 0u);
}

TEST(CppMessages, CopiesAreDeepAndIndependent) {
  pelorin::action::LocalPlanning_Result source;
  source.global_paths.uuid = "route";
  source.global_paths.paths.resize(3);
  for (auto& path : source.global_paths.paths) path.nav_path.poses.resize(2);
  source.residues_zones.resize(1);
  source.residues_zones[0].points.resize(4);

  pelorin::action::LocalPlanning_Result copy = source;
  ASSERT_EQ(copy, source);
  copy.global_paths.paths[2].nav_path.poses[1].pose.position.x = 5.0;
  copy.global_paths.uuid[0] = 'R';
  copy.residues_zones[0].points[3].z = 1.0f;
  EXPECT_NE(copy, source);
  EXPECT_EQ(source.global_paths.paths[2].nav_path.poses[1].pose.position.x, 0.0);
  EXPECT_EQ(source.global_paths.uuid, "route");
  EXPECT_EQ(source.residues_zones[0].points[3].z, 0.0f);

  pelorin::action::LocalPlanning_Result assigned;
  assigned = source;
  EXPECT_EQ(assigned, source);
}

TEST(CppMessages, YamlNamesEveryFieldInOrder) {
  pelorin::msg::MovementConstraint m;
  m.allow_backword_movement = true;
  EXPECT_EQ(to_yaml(m),
            "precise_goal_reaching: false\n"
            "allow_backword_movement: true\n"
            "allow_horizontal_movement: false\n");
  EXPECT_EQ(to_yaml(m, true),
            "{precise_goal_reaching: false, allow_backword_movement: true, "
            "allow_horizontal_movement: false}");

  pelorin::srv::MapMark_Request request;
  request.mark_name = "dock \"A\"";
  request.mark_zones.resize(1);
  request.mark_zones[0].points.resize(1);
  EXPECT_EQ(to_yaml(request, true),
            "{enable: false, mark_name: \"dock \\\"A\\\"\", "
            "mark_zones: [{points: [{x: 0.00000, y: 0.00000, z: 0.00000}]}]}");
  EXPECT_EQ(to_yaml(pelorin::action::LiftFree_Feedback()), "null\n");
}

}  // namespace
