// The wire form and the sizes of pelorin's types, octet for octet.
#include <gtest/gtest.h>

#include <string>

#include "cdr_support.hpp"
#include "fastcdr/exceptions/NotEnoughMemoryException.h"
#include "pelorin/action/detail/crop_path_point__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/controller__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/fuzzy_lift_free__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/force_global_path__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/global_planning__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/lift_free__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/local_planning__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/msg/detail/movement_constraint__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/msg/detail/multi_paths__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/srv/detail/get_covered_points__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/srv/detail/map_mark__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/srv/detail/trigger_clean_coverage__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/crop_path_point.hpp"
#include "pelorin/action/controller.hpp"
#include "pelorin/action/fuzzy_lift_free.hpp"
#include "pelorin/action/force_global_path.hpp"
#include "pelorin/action/global_planning.hpp"
#include "pelorin/action/lift_free.hpp"
#include "pelorin/action/local_planning.hpp"
#include "pelorin/msg/movement_constraint.hpp"
#include "pelorin/msg/multi_paths.hpp"
#include "pelorin/srv/get_covered_points.hpp"
#include "pelorin/srv/map_mark.hpp"
#include "pelorin/srv/trigger_clean_coverage.hpp"

namespace
{

using cdr_test::Bytes;
using cdr_test::decode;
using cdr_test::encode;

const auto kTrigger = CDR_OPS(pelorin, srv, TriggerCleanCoverage_Request);
const auto kMapMark = CDR_OPS(pelorin, srv, MapMark_Request);

pelorin::srv::TriggerCleanCoverage_Request trigger_request()
{
  pelorin::srv::TriggerCleanCoverage_Request msg;
  msg.trigger = true;
  msg.path_overlap_distance = 5;
  msg.path_width = 300;
  return msg;
}

TEST(CdrWire, WorkedExampleAtEveryAlignment)
{
  const auto msg = trigger_request();
  EXPECT_EQ(encode(kTrigger, msg),
    (Bytes{0x01, 0, 0, 0, 0x05, 0, 0, 0, 0x2c, 0x01, 0, 0}));
  // At offset 1 the first int32 still starts at 4: two alignment octets, 11 in all.
  const Bytes at1 = encode(kTrigger, msg, 1);
  EXPECT_EQ(Bytes(at1.begin() + 1, at1.end()),
    (Bytes{0x01, 0, 0, 0x05, 0, 0, 0, 0x2c, 0x01, 0, 0}));
  const size_t sizes[] = {12, 11, 10, 9, 12};
  for (size_t a = 0; a < 5; ++a) {
    EXPECT_EQ(kTrigger.size(msg, a), sizes[a]) << "alignment " << a;
    EXPECT_EQ(encode(kTrigger, msg, a).size() - a, sizes[a]) << "alignment " << a;
  }
}

TEST(CdrWire, StringAndEmptySequence)
{
  pelorin::srv::MapMark_Request msg;
  msg.enable = true;
  msg.mark_name = "ab";
  EXPECT_EQ(encode(kMapMark, msg),
    (Bytes{0x01, 0, 0, 0, 0x03, 0, 0, 0, 'a', 'b', 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(kMapMark.size(msg, 0), 16u);
  msg.mark_name = "0123456789";
  EXPECT_EQ(kMapMark.size(msg, 0), 24u);
  msg.mark_name.clear();
  EXPECT_EQ(encode(kMapMark, msg), (Bytes{0x01, 0, 0, 0, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  pelorin::srv::MapMark_Request back;
  back.mark_name = "old";
  decode(kMapMark, encode(kMapMark, msg), back);
  EXPECT_EQ(back.mark_name, "");
}

TEST(CdrWire, StringsWithNulAreWrittenWholeAndReadBack)
{
  pelorin::srv::MapMark_Request msg;
  msg.mark_name = std::string("a\0b", 3);
  const Bytes bytes = encode(kMapMark, msg);  // fails if the size disagrees with the writer
  EXPECT_EQ(Bytes(bytes.begin() + 4, bytes.begin() + 12),
    (Bytes{0x04, 0, 0, 0, 'a', 0, 'b', 0}));
  pelorin::srv::MapMark_Request back;
  decode(kMapMark, bytes, back);
  EXPECT_EQ(back.mark_name, std::string("a\0b", 3));

  // Received text keeps every counted character; a final NUL is the terminator.
  const Bytes received{0x00, 0, 0, 0, 0x04, 0, 0, 0, 'x', 0, 'y', 'z', 0, 0, 0, 0};
  decode(kMapMark, received, back);
  EXPECT_EQ(back.mark_name, std::string("x\0yz", 4));
}

TEST(CdrWire, BoolOctets)
{
  const auto ops = CDR_OPS(pelorin, msg, MovementConstraint);
  pelorin::msg::MovementConstraint msg;
  msg.precise_goal_reaching = true;
  msg.allow_backword_movement = false;
  msg.allow_horizontal_movement = true;
  EXPECT_EQ(encode(ops, msg), (Bytes{1, 0, 1}));
  decode(ops, Bytes{2, 0, 255}, msg);
  EXPECT_TRUE(msg.precise_goal_reaching);
  EXPECT_FALSE(msg.allow_backword_movement);
  EXPECT_TRUE(msg.allow_horizontal_movement);
}

TEST(CdrWire, SmallTypes)
{
  pelorin::action::LiftFree_GetResult_Response response;
  response.status = -3;
  response.result.is_free = true;
  EXPECT_EQ(encode(CDR_OPS(pelorin, action, LiftFree_GetResult_Response), response),
    (Bytes{0xfd, 1, 0}));
  pelorin::action::CropPathPoint_Feedback feedback;
  feedback.structure_needs_at_least_one_member = 7;
  EXPECT_EQ(encode(CDR_OPS(pelorin, action, CropPathPoint_Feedback), feedback), (Bytes{7}));
}

TEST(CdrWire, ReadingASequenceResizesAndDecodesInPlace)
{
  const auto ops = CDR_OPS(pelorin, srv, GetCoveredPoints_Response);
  pelorin::srv::GetCoveredPoints_Response three;
  three.covered_points.resize(3);
  for (int i = 0; i < 3; ++i) {
    three.covered_points[i].header.frame_id = "frame number " + std::to_string(i) + " long name";
  }
  const Bytes bytes = encode(ops, three);

  pelorin::srv::GetCoveredPoints_Response five;
  five.covered_points.resize(5);
  five.covered_points[0].header.frame_id = std::string(64, 'x');
  const char * storage = five.covered_points[0].header.frame_id.data();
  decode(ops, bytes, five);
  EXPECT_EQ(five, three);
  EXPECT_EQ(five.covered_points[0].header.frame_id.data(), storage);  // decoded in place

  pelorin::srv::GetCoveredPoints_Response one;
  one.covered_points.resize(1);
  decode(ops, bytes, one);
  EXPECT_EQ(one, three);

  pelorin::srv::GetCoveredPoints_Response none;
  decode(ops, encode(ops, none), three);
  EXPECT_TRUE(three.covered_points.empty());
}

TEST(CdrWire, CountsTheInputCannotHoldAreRefusedBeforeAllocating)
{
  const auto ops = CDR_OPS(pelorin, srv, GetCoveredPoints_Response);
  for (const Bytes & bytes : {Bytes{0xff, 0xff, 0xff, 0xff}, Bytes{0xff, 0xff, 0xff, 0x7f},
      Bytes{2, 0, 0, 0, 0, 0, 0, 0}})
  {
    pelorin::srv::GetCoveredPoints_Response msg;
    EXPECT_THROW(decode(ops, bytes, msg), eprosima::fastcdr::exception::NotEnoughMemoryException);
    EXPECT_EQ(msg.covered_points.capacity(), 0u) << cdr_test::hex(bytes);
  }
  // A string length past the end of the input.
  pelorin::srv::MapMark_Request request;
  EXPECT_THROW(decode(kMapMark, Bytes({1, 0, 0, 0, 0xff, 0xff, 0xff, 0xff, 'a'}), request),
    eprosima::fastcdr::exception::NotEnoughMemoryException);
}

struct MaxCase
{
  const char * name;
  size_t (* max)(bool &, bool &, size_t);
  size_t size;
  bool full_bounded;
  bool is_plain;
};

#define MAX_CASE(kind, Type, size, bounded, plain) \
  MaxCase{#Type, &pelorin::kind::typesupport_fastrtps_cpp::max_serialized_size_ ## Type, size, \
    bounded, plain}

TEST(CdrWire, SizeBoundsAndFlags)
{
  const MaxCase cases[] = {
    MAX_CASE(msg, MovementConstraint, 3, true, true),
    MAX_CASE(srv, TriggerCleanCoverage_Request, 12, true, true),
    MAX_CASE(srv, TriggerCleanCoverage_Response, 1, true, true),
    MAX_CASE(srv, GetCoveredPoints_Request, 1, true, true),
    MAX_CASE(srv, MapMark_Response, 1, true, true),
    MAX_CASE(action, Controller_Feedback, 1, true, true),
    MAX_CASE(action, CropPathPoint_Feedback, 1, true, true),
    MAX_CASE(action, GlobalPlanning_Feedback, 1, true, true),
    MAX_CASE(action, LiftFree_Feedback, 1, true, true),
    MAX_CASE(action, FuzzyLiftFree_Feedback, 1, true, true),
    MAX_CASE(action, ForceGlobalPath_Feedback, 1, true, true),
    MAX_CASE(action, LocalPlanning_Feedback, 8, true, true),
    MAX_CASE(action, LiftFree_Result, 2, true, true),
    MAX_CASE(action, LiftFree_GetResult_Response, 3, true, true),
    MAX_CASE(srv, MapMark_Request, 16, false, false),
    MAX_CASE(srv, GetCoveredPoints_Response, 4, false, false),
  };
  for (const MaxCase & c : cases) {
    bool full_bounded = false;  // preset against the expected answer: both are always written
    bool is_plain = false;
    EXPECT_EQ(c.max(full_bounded, is_plain, 0), c.size) << c.name;
    EXPECT_EQ(full_bounded, c.full_bounded) << c.name;
    EXPECT_EQ(is_plain, c.is_plain) << c.name;
  }
  bool full_bounded = true;
  bool is_plain = true;
  EXPECT_EQ(kTrigger.max(full_bounded, is_plain, 1), 11u);
  EXPECT_TRUE(full_bounded);
  EXPECT_FALSE(is_plain);
}

// The wrappers whose stamp follows a bool are never plain: the stamp's alignment octets.
TEST(CdrWire, SendGoalResponsesAreNeverPlain)
{
  size_t (* const maxes[])(bool &, bool &, size_t) = {
#define SEND_GOAL_MAX(Action) \
  &pelorin::action::typesupport_fastrtps_cpp::max_serialized_size_ ## Action ## _SendGoal_Response,
    SEND_GOAL_MAX(Controller) SEND_GOAL_MAX(CropPathPoint) SEND_GOAL_MAX(ForceGlobalPath)
    SEND_GOAL_MAX(FuzzyLiftFree) SEND_GOAL_MAX(GlobalPlanning) SEND_GOAL_MAX(LiftFree)
    SEND_GOAL_MAX(LocalPlanning)
#undef SEND_GOAL_MAX
  };
  for (auto max : maxes) {
    for (size_t a = 0; a < 8; ++a) {
      bool full_bounded = false;
      bool is_plain = true;
      max(full_bounded, is_plain, a);
      EXPECT_TRUE(full_bounded);
      EXPECT_FALSE(is_plain) << "alignment " << a;
    }
  }
}

}  // namespace
