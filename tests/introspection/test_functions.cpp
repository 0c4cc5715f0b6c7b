// The functions the tables point to: construction and destruction in caller memory, and the
// array functions, called through the tables as generic code calls them.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>
#include <string>

#include "rosidl_typesupport_introspection_cpp/field_types.hpp"
#include "rosidl_typesupport_introspection_cpp/message_introspection.hpp"
#include "../common/pelorin_types.hpp"
#include "introspection_headers.hpp"
#include "pelorin/action/global_planning.hpp"
#include "pelorin/msg/movement_constraint.hpp"
#include "pelorin/msg/multi_paths.hpp"
#include "pelorin/srv/get_covered_points.hpp"
#include "pelorin/srv/map_mark.hpp"
#include "table_walker.hpp"

// The mode tests construct into pre-filled storage and read what the constructor left.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

// Every allocation of the C++ containers goes through these: the live count shows leaks in
// any build, the sanitizer builds see the same memory through malloc.
std::atomic<long> live_allocations{0};
std::atomic<long> total_allocations{0};

void* operator new(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  ++live_allocations;
  ++total_allocations;
  return p;
}
void operator delete(void* p) noexcept {
  if (p == nullptr) return;
  --live_allocations;
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

namespace ts = rosidl_typesupport_introspection_cpp;
using rosidl_runtime_cpp::MessageInitialization;

const MessageInitialization kModes[] = {MessageInitialization::ALL, MessageInitialization::SKIP,
                                        MessageInitialization::ZERO,
                                        MessageInitialization::DEFAULTS_ONLY};

template <typename T>
const ts::MessageMembers* table_of() {
  return static_cast<const ts::MessageMembers*>(ts::get_message_type_support_handle<T>()->data);
}

const ts::MessageMember& member(const ts::MessageMembers* table, const char* name) {
  for (uint32_t i = 0; i < table->member_count_; ++i) {
    if (std::strcmp(table->members_[i].name_, name) == 0) return table->members_[i];
  }
  throw std::logic_error(std::string("no member ") + name);
}

void* field(void* message, const ts::MessageMember& m) {
  return static_cast<char*>(message) + m.offset_;
}

// Raw memory of a table's size, pre-filled with 0xAB so that what init leaves unwritten shows.
struct Storage {
  explicit Storage(std::size_t size) : size(size), bytes(static_cast<unsigned char*>(
      ::operator new(size, std::align_val_t(alignof(std::max_align_t))))) {
    std::memset(bytes, 0xAB, size);
  }
  ~Storage() { ::operator delete(bytes, std::align_val_t(alignof(std::max_align_t))); }
  std::size_t size;
  unsigned char* bytes;
};

// ---- construction and destruction

// init_function builds exactly what the constructor builds in that mode; in every mode the
// strings and sequences start empty, whatever the memory held.
template <typename T>
void check_init(const char* name) {
  SCOPED_TRACE(name);
  const ts::MessageMembers* table = table_of<T>();
  for (MessageInitialization mode : kModes) {
    SCOPED_TRACE(static_cast<int>(mode));
    Storage storage(table->size_of_);
    table->init_function(storage.bytes, mode);
    const T& msg = *reinterpret_cast<const T*>(storage.bytes);
    if (mode == MessageInitialization::ALL || mode == MessageInitialization::ZERO) {
      EXPECT_TRUE(msg == T(mode));
    }
    for (uint32_t i = 0; i < table->member_count_; ++i) {
      const ts::MessageMember& m = table->members_[i];
      if (m.is_array_) {
        EXPECT_EQ(m.size_function(field(storage.bytes, m)), 0u) << m.name_;
      }
      if (m.type_id_ == ts::ROS_TYPE_STRING && !m.is_array_) {
        EXPECT_TRUE(static_cast<const std::string*>(field(storage.bytes, m))->empty()) << m.name_;
      }
    }
    table->fini_function(storage.bytes);
  }
}

TEST(IntrospectionLifecycle, InitBuildsTheStructureInEveryMode) {
#define CHECK(kind, Type) check_init<pelorin::kind::Type>(#Type);
  PELORIN_MESSAGE_TYPES(CHECK)
#undef CHECK
}

TEST(IntrospectionLifecycle, SkipLeavesOwnNumbersAndBoolsUnwritten) {
  const ts::MessageMembers* table = table_of<pelorin::msg::MovementConstraint>();
  Storage storage(table->size_of_);
  table->init_function(storage.bytes, MessageInitialization::SKIP);
  for (std::size_t i = 0; i < storage.size; ++i) EXPECT_EQ(storage.bytes[i], 0xAB) << i;
  table->init_function(storage.bytes, MessageInitialization::ZERO);
  for (std::size_t i = 0; i < storage.size; ++i) EXPECT_EQ(storage.bytes[i], 0) << i;
  table->fini_function(storage.bytes);
}

long heap_in_use() { return live_allocations.load(); }

template <typename T>
void init_fill_fini_loop(const char* name) {
  SCOPED_TRACE(name);
  const ts::MessageMembers* table = table_of<T>();
  table_walker::Filler filler(7);
  Storage storage(table->size_of_);
  auto round = [&] {
    table->init_function(storage.bytes, MessageInitialization::ALL);
    filler.fill(table, storage.bytes);
    table->fini_function(storage.bytes);
  };
  round();  // first use may set up library state of its own
  const long before = heap_in_use();
  for (int i = 0; i < 50; ++i) round();
  EXPECT_EQ(heap_in_use(), before);
}

TEST(IntrospectionLifecycle, InitFillFiniInALoopLeaksNothing) {
  const long allocations = total_allocations.load();
#define CHECK(kind, Type) init_fill_fini_loop<pelorin::kind::Type>(#Type);
  PELORIN_MESSAGE_TYPES(CHECK)
#undef CHECK
  EXPECT_GT(total_allocations.load() - allocations, 1000);  // the loops did fill the messages
}

// ---- array functions

TEST(IntrospectionSequences, ResizeOfPathsKeepsValuesAndAppendsDefaultPaths) {
  pelorin::msg::MultiPaths msg;
  const ts::MessageMember& m = member(table_of<pelorin::msg::MultiPaths>(), "paths");
  void* paths = field(&msg, m);
  ASSERT_EQ(paths, static_cast<void*>(&msg.paths));

  m.resize_function(paths, 3);
  ASSERT_EQ(m.size_function(paths), 3u);
  for (const auto& path : msg.paths) EXPECT_TRUE(path == pelorin::msg::Path());
  EXPECT_EQ(m.get_const_function(paths, 2), static_cast<const void*>(&msg.paths[2]));
  EXPECT_EQ(m.get_function(paths, 1), static_cast<void*>(&msg.paths[1]));

  auto* first = static_cast<pelorin::msg::Path*>(m.get_function(paths, 0));
  first->tolerance = 0.5f;
  first->clean_state = 7;
  first->nav_path.header.frame_id = "map";
  first->nav_path.poses.resize(2);
  msg.paths[2].move_backward = true;
  const pelorin::msg::Path kept = *first;

  m.resize_function(paths, 1);
  ASSERT_EQ(m.size_function(paths), 1u);
  EXPECT_TRUE(msg.paths[0] == kept);
  EXPECT_GE(msg.paths.capacity(), 3u);  // shrinking keeps the storage

  m.resize_function(paths, 3);  // the re-grown elements are new, not the old ones
  EXPECT_TRUE(msg.paths[0] == kept);
  EXPECT_TRUE(msg.paths[2] == pelorin::msg::Path());

  m.resize_function(paths, 3);
  EXPECT_EQ(m.size_function(paths), 3u);
}

TEST(IntrospectionSequences, ResizeAppendsElementsAsConstructedWithAll) {
  pelorin::action::GlobalPlanning_Goal goal;
  const ts::MessageMember& zone = member(table_of<pelorin::action::GlobalPlanning_Goal>(), "goal_zone");
  goal.goal_zone.resize(2);
  goal.goal_zone[0].x = 1.0f;
  goal.goal_zone[1].z = -2.0f;
  zone.resize_function(field(&goal, zone), 5);
  ASSERT_EQ(goal.goal_zone.size(), 5u);
  EXPECT_EQ(goal.goal_zone[0].x, 1.0f);
  EXPECT_EQ(goal.goal_zone[1].z, -2.0f);
  for (std::size_t i = 2; i < 5; ++i) {
    EXPECT_EQ(goal.goal_zone[i].x, 0.0f);
    EXPECT_EQ(goal.goal_zone[i].y, 0.0f);
    EXPECT_EQ(goal.goal_zone[i].z, 0.0f);
  }

  pelorin::srv::GetCoveredPoints_Response response;
  const ts::MessageMember& points =
      member(table_of<pelorin::srv::GetCoveredPoints_Response>(), "covered_points");
  points.resize_function(field(&response, points), 2);
  for (const auto& pose : response.covered_points) {
    EXPECT_EQ(pose.pose.orientation.w, 1.0);  // identity orientation, as ALL builds it
    EXPECT_EQ(pose.pose.position.x, 0.0);
  }
}

TEST(IntrospectionSequences, FailedResizeLeavesTheSequenceAsItWas) {
  pelorin::msg::MultiPaths msg;
  msg.paths.resize(2);
  msg.paths[1].clean_state = 3;
  const pelorin::msg::MultiPaths before = msg;
  const ts::MessageMember& m = member(table_of<pelorin::msg::MultiPaths>(), "paths");
  EXPECT_THROW(m.resize_function(field(&msg, m), std::numeric_limits<std::size_t>::max()),
               std::length_error);
  EXPECT_TRUE(msg == before);
}

TEST(IntrospectionSequences, FetchCopiesDeeplyIntoAConstructedValue) {
  pelorin::action::GlobalPlanning_Goal goal;
  goal.poses.resize(2);
  goal.poses[1].header.frame_id = "odom";
  goal.poses[1].pose.position.y = 4.0;
  const ts::MessageMember& m = member(table_of<pelorin::action::GlobalPlanning_Goal>(), "poses");

  // The value is built as generic code builds it: from the element type's own table.
  const auto* element = static_cast<const ts::MessageMembers*>(m.members_->data);
  Storage storage(element->size_of_);
  element->init_function(storage.bytes, MessageInitialization::ALL);
  auto& value = *reinterpret_cast<geometry_msgs::msg::PoseStamped*>(storage.bytes);
  value.header.frame_id = "a previous value, long enough to live on the heap";

  m.fetch_function(field(&goal, m), 1, storage.bytes);
  EXPECT_TRUE(value == goal.poses[1]);
  goal.poses[1].header.frame_id = "changed";
  goal.poses[1].pose.position.y = -1.0;
  EXPECT_EQ(value.header.frame_id, "odom");
  EXPECT_EQ(value.pose.position.y, 4.0);
  EXPECT_EQ(goal.poses.size(), 2u);
  element->fini_function(storage.bytes);
}

TEST(IntrospectionSequences, AssignReplacesTheElementWithADeepCopy) {
  pelorin::srv::MapMark_Request request;
  request.mark_zones.resize(2);
  request.mark_zones[0].points.resize(3);
  request.mark_zones[1].points.resize(1);
  const auto untouched = request.mark_zones[1];
  geometry_msgs::msg::Polygon polygon;
  polygon.points.resize(10);
  for (std::size_t i = 0; i < 10; ++i) polygon.points[i].x = static_cast<float>(i);
  const geometry_msgs::msg::Polygon original = polygon;

  const ts::MessageMember& m = member(table_of<pelorin::srv::MapMark_Request>(), "mark_zones");
  m.assign_function(field(&request, m), 0, &polygon);
  ASSERT_EQ(request.mark_zones.size(), 2u);
  EXPECT_TRUE(request.mark_zones[0] == original);
  EXPECT_TRUE(request.mark_zones[1] == untouched);
  EXPECT_TRUE(polygon == original);
  polygon.points[3].x = 99.0f;  // the element does not share the value's storage
  EXPECT_EQ(request.mark_zones[0].points[3].x, 3.0f);
}

}  // namespace
