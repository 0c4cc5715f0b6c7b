#include <gtest/gtest.h>

#include "names.hpp"

namespace {

TEST(Snake, FollowsTheTwoSubstitutions) {
  const std::pair<const char*, const char*> cases[] = {
      {"CropPathPoint", "crop_path_point"},
      {"MultiPaths", "multi_paths"},
      {"FeedbackMessage", "feedback_message"},
      {"SendGoal_Request", "send_goal__request"},
      {"CropPathPoint_GetResult_Response", "crop_path_point__get_result__response"},
      {"LiftFree_GetResult_Request", "lift_free__get_result__request"},
      {"UUID", "uuid"},
      {"Point32", "point32"},
      {"PoseStamped", "pose_stamped"},
      {"Int16", "int16"},
      {"Path", "path"},
      {"HTTPServer", "http_server"},
      {"A", "a"},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(idl::snake(name), expected) << name;
}

TEST(Names, EveryFormOfAMessageServiceAndActionType) {
  const idl::TypeName msg{"pelorin", "msg", "Path"};
  const idl::TypeName request{"pelorin", "srv", "MapMark_Request"};
  const idl::TypeName service{"pelorin", "action", "LiftFree_GetResult"};
  const idl::TypeName action{"pelorin", "action", "CropPathPoint"};

  EXPECT_EQ(idl::c_name(msg), "pelorin__msg__Path");
  EXPECT_EQ(idl::c_name(request), "pelorin__srv__MapMark_Request");
  EXPECT_EQ(idl::cpp_name(msg), "pelorin::msg::Path");
  EXPECT_EQ(idl::cpp_namespace(service), "pelorin::action");
  EXPECT_EQ(idl::header_stem("pelorin", "srv", "MapMark"), "pelorin/srv/map_mark");
  EXPECT_EQ(idl::detail_stem(idl::TypeName{"geometry_msgs", "msg", "PoseStamped"}),
            "geometry_msgs/msg/detail/pose_stamped");

  EXPECT_EQ(idl::message_handle_symbol("introspection_cpp", msg),
            "rosidl_typesupport_introspection_cpp__get_message_type_support_handle__pelorin__msg__Path");
  EXPECT_EQ(idl::service_handle_symbol("fastrtps_cpp", service),
            "rosidl_typesupport_fastrtps_cpp__get_service_type_support_handle__pelorin__action__LiftFree_GetResult");
  EXPECT_EQ(idl::action_handle_symbol("c", action),
            "rosidl_typesupport_c__get_action_type_support_handle__pelorin__action__CropPathPoint");

  EXPECT_EQ(idl::python_module("pelorin", "action", "CropPathPoint"), "pelorin.action._crop_path_point");
  EXPECT_EQ(idl::python_converter({"pelorin", "action", "CropPathPoint_SendGoal_Request"}, "from_py"),
            "pelorin__action__crop_path_point__send_goal__request__convert_from_py");
  EXPECT_EQ(idl::python_converter({"geometry_msgs", "msg", "PoseStamped"}, "to_py"),
            "geometry_msgs__msg__pose_stamped__convert_to_py");
  EXPECT_EQ(idl::python_capsule("type_support", msg), "type_support_msg__msg__path");
  EXPECT_EQ(idl::python_capsule("create_ros_message", request),
            "create_ros_message_msg__srv__map_mark__request");
  EXPECT_EQ(idl::python_service_capsule({"pelorin", "srv", "MapMark"}), "type_support_srv__srv__map_mark");
  EXPECT_EQ(idl::python_action_capsule(action), "type_support_action__action__crop_path_point");

  EXPECT_EQ(idl::library_file("pelorin", "rosidl_typesupport_fastrtps_cpp"),
            "libpelorin__rosidl_typesupport_fastrtps_cpp.so");
}

TEST(Names, FieldTypesInCAndCpp) {
  idl::Field seq;
  seq.type.is_primitive = false;
  seq.type.message = {"geometry_msgs", "msg", "Polygon"};
  seq.array = idl::ArrayKind::UnboundedSequence;
  EXPECT_EQ(idl::c_sequence_type(seq.type), "geometry_msgs__msg__Polygon__Sequence");
  EXPECT_EQ(idl::cpp_field_type(seq, "A"),
            "std::vector<geometry_msgs::msg::Polygon_<A>, typename std::allocator_traits<A>"
            "::template rebind_alloc<geometry_msgs::msg::Polygon_<A>>>");

  idl::Field uuid;
  uuid.type.primitive = idl::Primitive::Uint8;
  uuid.array = idl::ArrayKind::Fixed;
  uuid.array_size = 16;
  EXPECT_EQ(idl::cpp_field_type(uuid, "A"), "std::array<uint8_t, 16>");
  EXPECT_EQ(idl::c_element_type(uuid.type), "uint8_t");
}

}  // namespace
