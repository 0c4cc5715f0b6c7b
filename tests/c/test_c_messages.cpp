// The C message library: the twelve functions of every type, copy and comparison semantics,
// sequences, and the C output for the dependency packages (default values, fixed arrays,
// constants).
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "action_msgs/msg/goal_status.h"
#include "action_msgs/srv/cancel_goal.h"
#include "geometry_msgs/msg/pose.h"
#include "pelorin/action/controller.h"
#include "pelorin/action/crop_path_point.h"
#include "pelorin/action/force_global_path.h"
#include "pelorin/action/fuzzy_lift_free.h"
#include "pelorin/action/global_planning.h"
#include "pelorin/action/lift_free.h"
#include "pelorin/action/local_planning.h"
#include "pelorin/msg/movement_constraint.h"
#include "pelorin/msg/multi_paths.h"
#include "pelorin/msg/path.h"
#include "pelorin/srv/get_covered_points.h"
#include "pelorin/srv/map_mark.h"
#include "pelorin/srv/trigger_clean_coverage.h"
#include "pelorin_types.hpp"
#include "geometry_msgs/msg/point32.h"
#include "geometry_msgs/msg/polygon.h"
#include "geometry_msgs/msg/pose_stamped.h"
#include "rosidl_runtime_c/string_functions.h"
#include "unique_identifier_msgs/msg/uuid.h"

namespace {

// ---------------------------------------------------------------------------------------
// Every function exists under its exported name.

const char* const kOperations[] = {
    "init", "fini", "create", "destroy", "are_equal", "copy",
    "Sequence__init", "Sequence__fini", "Sequence__create", "Sequence__destroy",
    "Sequence__are_equal", "Sequence__copy"};

TEST(CMessageLibrary, ExportsTwelveFunctionsPerType) {
  void* lib = dlopen(PELORIN_C_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(lib, nullptr) << dlerror();
  std::vector<std::string> types;
#define PELORIN_NAME(kind, Type) types.push_back("pelorin__" #kind "__" #Type);
  PELORIN_MESSAGE_TYPES(PELORIN_NAME)
#undef PELORIN_NAME
  ASSERT_EQ(types.size(), 65u);
  int found = 0;
  for (const std::string& type : types) {
    for (const char* op : kOperations) {
      const std::string symbol = type + "__" + op;
      EXPECT_NE(dlsym(lib, symbol.c_str()), nullptr) << symbol;
      found += dlsym(lib, symbol.c_str()) != nullptr;
    }
  }
  EXPECT_EQ(found, 780);
  dlclose(lib);
}

// ---------------------------------------------------------------------------------------
// The lifecycle of every type, as a table. Each row holds the type's twelve functions behind
// type-erased wrappers, so that one function checks them all.

// Every __Sequence record has this layout (checked per type below).
struct AnySequence {
  void* data;
  size_t size;
  size_t capacity;
};

struct TypeRow {
  const char* name;
  size_t size;
  bool (*init)(void*);
  void (*fini)(void*);
  void* (*create)();
  void (*destroy)(void*);
  bool (*are_equal)(const void*, const void*);
  bool (*copy)(const void*, void*);
  bool (*seq_init)(AnySequence*, size_t);
  void (*seq_fini)(AnySequence*);
  AnySequence* (*seq_create)(size_t);
  void (*seq_destroy)(AnySequence*);
  bool (*seq_are_equal)(const AnySequence*, const AnySequence*);
  bool (*seq_copy)(const AnySequence*, AnySequence*);
};

#define PELORIN_ROW(kind, Type)                                                              \
  [] {                                                                                       \
    using T = pelorin__##kind##__##Type;                                                     \
    using S = pelorin__##kind##__##Type##__Sequence;                                         \
    static_assert(sizeof(S) == sizeof(AnySequence), "sequence layout");                     \
    static_assert(offsetof(S, size) == offsetof(AnySequence, size), "sequence layout");      \
    static_assert(offsetof(S, capacity) == offsetof(AnySequence, capacity), "layout");       \
    return TypeRow{                                                                          \
        #kind "/" #Type, sizeof(T),                                                          \
        [](void* m) { return pelorin__##kind##__##Type##__init(static_cast<T*>(m)); },       \
        [](void* m) { pelorin__##kind##__##Type##__fini(static_cast<T*>(m)); },              \
        []() -> void* { return pelorin__##kind##__##Type##__create(); },                     \
        [](void* m) { pelorin__##kind##__##Type##__destroy(static_cast<T*>(m)); },           \
        [](const void* a, const void* b) {                                                   \
          return pelorin__##kind##__##Type##__are_equal(static_cast<const T*>(a),            \
                                                        static_cast<const T*>(b));           \
        },                                                                                   \
        [](const void* a, void* b) {                                                         \
          return pelorin__##kind##__##Type##__copy(static_cast<const T*>(a),                 \
                                                   static_cast<T*>(b));                      \
        },                                                                                   \
        [](AnySequence* s, size_t n) {                                                       \
          return pelorin__##kind##__##Type##__Sequence__init(reinterpret_cast<S*>(s), n);    \
        },                                                                                   \
        [](AnySequence* s) {                                                                 \
          pelorin__##kind##__##Type##__Sequence__fini(reinterpret_cast<S*>(s));              \
        },                                                                                   \
        [](size_t n) {                                                                       \
          return reinterpret_cast<AnySequence*>(pelorin__##kind##__##Type##__Sequence__create(n)); \
        },                                                                                   \
        [](AnySequence* s) {                                                                 \
          pelorin__##kind##__##Type##__Sequence__destroy(reinterpret_cast<S*>(s));           \
        },                                                                                   \
        [](const AnySequence* a, const AnySequence* b) {                                     \
          return pelorin__##kind##__##Type##__Sequence__are_equal(                           \
              reinterpret_cast<const S*>(a), reinterpret_cast<const S*>(b));                 \
        },                                                                                   \
        [](const AnySequence* a, AnySequence* b) {                                           \
          return pelorin__##kind##__##Type##__Sequence__copy(reinterpret_cast<const S*>(a),  \
                                                             reinterpret_cast<S*>(b));       \
        }};                                                                                  \
  }(),

const void* element(const AnySequence* s, size_t i, size_t size) {
  return static_cast<const char*>(s->data) + i * size;
}

void check_lifecycle(const TypeRow& api) {
  SCOPED_TRACE(api.name);
  void* a = api.create();
  void* b = api.create();
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_TRUE(api.are_equal(a, b));
  EXPECT_TRUE(api.copy(a, b));
  EXPECT_TRUE(api.are_equal(a, b));

  // fini twice, then init again on the finalised storage
  api.fini(b);
  api.fini(b);
  EXPECT_TRUE(api.init(b));
  EXPECT_TRUE(api.are_equal(a, b));

  // __init never reads what raw storage held
  std::vector<std::max_align_t> raw(api.size / sizeof(std::max_align_t) + 1);
  std::memset(raw.data(), 0x5a, api.size);
  EXPECT_TRUE(api.init(raw.data()));
  api.fini(raw.data());

  // NULL arguments
  EXPECT_FALSE(api.init(nullptr));
  api.fini(nullptr);
  EXPECT_FALSE(api.are_equal(nullptr, nullptr));
  EXPECT_FALSE(api.are_equal(a, nullptr));
  EXPECT_FALSE(api.are_equal(nullptr, a));
  EXPECT_FALSE(api.copy(a, nullptr));
  EXPECT_FALSE(api.copy(nullptr, b));
  EXPECT_TRUE(api.are_equal(a, b));
  api.destroy(nullptr);

  // sequences of several lengths, copied onto an output holding two elements
  for (size_t n : {size_t{0}, size_t{1}, size_t{3}, size_t{7}}) {
    SCOPED_TRACE(n);
    AnySequence* in = api.seq_create(n);
    AnySequence* out = api.seq_create(2);
    ASSERT_NE(in, nullptr);
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(in->size, n);
    EXPECT_EQ(in->capacity, n);
    EXPECT_EQ(in->data == nullptr, n == 0);
    for (size_t i = 0; i < n; ++i) EXPECT_TRUE(api.are_equal(element(in, i, api.size), a));
    EXPECT_EQ(api.seq_are_equal(in, out), n == 2);
    EXPECT_TRUE(api.seq_copy(in, out));
    EXPECT_EQ(out->size, n);
    EXPECT_EQ(out->capacity, std::max<size_t>(n, 2));
    EXPECT_TRUE(api.seq_are_equal(in, out));
    api.seq_destroy(in);
    api.seq_destroy(out);
  }
  AnySequence record;
  std::memset(&record, 0x5a, sizeof record);  // __Sequence__init overwrites without reading
  EXPECT_TRUE(api.seq_init(&record, 2));
  EXPECT_EQ(record.size, 2u);
  api.seq_fini(&record);
  EXPECT_EQ(record.data, nullptr);
  EXPECT_EQ(record.size, 0u);
  EXPECT_EQ(record.capacity, 0u);
  api.seq_fini(&record);

  EXPECT_FALSE(api.seq_init(nullptr, 1));
  api.seq_fini(nullptr);
  AnySequence* empty = api.seq_create(0);
  EXPECT_FALSE(api.seq_are_equal(nullptr, empty));
  EXPECT_FALSE(api.seq_are_equal(empty, nullptr));
  EXPECT_FALSE(api.seq_copy(nullptr, empty));
  EXPECT_FALSE(api.seq_copy(empty, nullptr));
  api.seq_destroy(empty);
  api.seq_destroy(nullptr);

  api.destroy(a);
  api.destroy(b);
}

TEST(CMessageLibrary, LifecycleOfEveryType) {
  const TypeRow rows[] = {PELORIN_MESSAGE_TYPES(PELORIN_ROW)};
  EXPECT_EQ(sizeof rows / sizeof rows[0], 65u);
  for (const TypeRow& row : rows) check_lifecycle(row);
}

// ---------------------------------------------------------------------------------------
// Filled structures.

void set_string(rosidl_runtime_c__String* s, const char* value) {
  ASSERT_TRUE(rosidl_runtime_c__String__assign(s, value));
}

void fill_path(pelorin__msg__Path* path, size_t poses, float tolerance) {
  set_string(&path->nav_path.header.frame_id, "map");
  path->nav_path.header.stamp.sec = 42;
  geometry_msgs__msg__PoseStamped__Sequence__fini(&path->nav_path.poses);
  ASSERT_TRUE(geometry_msgs__msg__PoseStamped__Sequence__init(&path->nav_path.poses, poses));
  for (size_t i = 0; i < poses; ++i) {
    geometry_msgs__msg__PoseStamped* pose = &path->nav_path.poses.data[i];
    set_string(&pose->header.frame_id, "odom");
    pose->pose.position.x = 0.5 * static_cast<double>(i);
    pose->pose.position.y = 0.25 * static_cast<double>(i);
  }
  path->tolerance = tolerance;
  path->move_backward = true;
  path->clean_state = 3;
}

void fill_multi_paths(pelorin__msg__MultiPaths* paths, size_t count) {
  set_string(&paths->uuid, "3f2c9a1e-route");
  pelorin__msg__Path__Sequence__fini(&paths->paths);
  ASSERT_TRUE(pelorin__msg__Path__Sequence__init(&paths->paths, count));
  for (size_t i = 0; i < count; ++i) fill_path(&paths->paths.data[i], i + 2, 0.1f * i);
}

void fill_result(pelorin__action__LocalPlanning_Result* r) {
  fill_path(&r->local_path, 3, 0.05f);
  fill_multi_paths(&r->global_paths, 2);
  ASSERT_TRUE(geometry_msgs__msg__Polygon__Sequence__init(&r->residues_zones, 1));
  ASSERT_TRUE(geometry_msgs__msg__Point32__Sequence__init(&r->residues_zones.data[0].points, 3));
  r->residues_zones.data[0].points.data[2].z = 1.5f;
  r->speed_limit.linear.x = 0.8;
  r->finished = true;
  r->cleaned_area = 12.5f;
}

TEST(CMessageCopy, DeepCopyIsEqualAndIndependent) {
  pelorin__action__LocalPlanning_Result* in = pelorin__action__LocalPlanning_Result__create();
  pelorin__action__LocalPlanning_Result* out = pelorin__action__LocalPlanning_Result__create();
  fill_result(in);
  EXPECT_FALSE(pelorin__action__LocalPlanning_Result__are_equal(in, out));
  ASSERT_TRUE(pelorin__action__LocalPlanning_Result__copy(in, out));
  EXPECT_TRUE(pelorin__action__LocalPlanning_Result__are_equal(in, out));
  ASSERT_EQ(out->global_paths.paths.size, 2u);
  EXPECT_EQ(out->global_paths.paths.data[1].nav_path.poses.size, 3u);
  EXPECT_STREQ(out->global_paths.uuid.data, "3f2c9a1e-route");
  EXPECT_NE(out->global_paths.paths.data, in->global_paths.paths.data);
  EXPECT_NE(out->global_paths.uuid.data, in->global_paths.uuid.data);

  // copying onto itself changes nothing
  ASSERT_TRUE(pelorin__action__LocalPlanning_Result__copy(out, out));
  ASSERT_TRUE(pelorin__msg__Path__Sequence__copy(&out->global_paths.paths, &out->global_paths.paths));
  EXPECT_TRUE(pelorin__action__LocalPlanning_Result__are_equal(in, out));

  // a change deep inside the copy makes them differ; the input is unaffected
  out->global_paths.paths.data[1].nav_path.poses.data[2].pose.position.x = -1.0;
  EXPECT_FALSE(pelorin__action__LocalPlanning_Result__are_equal(in, out));
  EXPECT_EQ(in->global_paths.paths.data[1].nav_path.poses.data[2].pose.position.x, 1.0);
  // copying again restores equality through the existing arrays
  const void* arrays = out->global_paths.paths.data;
  ASSERT_TRUE(pelorin__action__LocalPlanning_Result__copy(in, out));
  EXPECT_EQ(out->global_paths.paths.data, arrays);
  EXPECT_TRUE(pelorin__action__LocalPlanning_Result__are_equal(in, out));

  pelorin__action__LocalPlanning_Result__destroy(in);
  pelorin__action__LocalPlanning_Result__destroy(out);
}

TEST(CMessageCompare, FloatsCompareAsNumbersAndStopAtFirstDifference) {
  pelorin__msg__Path* a = pelorin__msg__Path__create();
  pelorin__msg__Path* b = pelorin__msg__Path__create();
  fill_path(a, 2, std::numeric_limits<float>::quiet_NaN());
  EXPECT_FALSE(pelorin__msg__Path__are_equal(a, a));
  ASSERT_TRUE(pelorin__msg__Path__copy(a, b));
  EXPECT_FALSE(pelorin__msg__Path__are_equal(a, b));
  a->tolerance = 0.0f;
  b->tolerance = -0.0f;
  EXPECT_TRUE(pelorin__msg__Path__are_equal(a, b));
  b->clean_state = 4;
  EXPECT_FALSE(pelorin__msg__Path__are_equal(a, b));
  pelorin__msg__Path__destroy(a);
  pelorin__msg__Path__destroy(b);

  // GetResult_Response: status is compared before result
  auto* r1 = pelorin__action__Controller_GetResult_Response__create();
  auto* r2 = pelorin__action__Controller_GetResult_Response__create();
  EXPECT_TRUE(pelorin__action__Controller_GetResult_Response__are_equal(r1, r2));
  r2->status = 4;
  EXPECT_FALSE(pelorin__action__Controller_GetResult_Response__are_equal(r1, r2));
  pelorin__action__Controller_GetResult_Response__destroy(r1);
  pelorin__action__Controller_GetResult_Response__destroy(r2);
}

TEST(CMessageStructures, CreatedStructuresAreZeroAndPlaceholdersReal) {
  auto* goal = pelorin__action__Controller_Goal__create();
  EXPECT_EQ(goal->extra_goals.data, nullptr);
  EXPECT_EQ(goal->extra_goals.size, 0u);
  EXPECT_EQ(goal->controller_id.size, 0u);
  ASSERT_NE(goal->controller_id.data, nullptr);
  EXPECT_STREQ(goal->controller_id.data, "");
  EXPECT_FALSE(goal->movement_constraint.allow_backword_movement);
  EXPECT_EQ(goal->target_yaw, 0.0f);
  EXPECT_EQ(goal->path.nav_path.poses.capacity, 0u);

  // nested flags travel with the goal
  goal->movement_constraint.allow_backword_movement = true;
  auto* copy = pelorin__action__Controller_Goal__create();
  ASSERT_TRUE(pelorin__action__Controller_Goal__copy(goal, copy));
  EXPECT_TRUE(copy->movement_constraint.allow_backword_movement);
  pelorin__action__Controller_Goal__destroy(goal);
  pelorin__action__Controller_Goal__destroy(copy);

  EXPECT_GT(sizeof(pelorin__action__CropPathPoint_Feedback), 0u);
  pelorin__action__CropPathPoint_Feedback feedback[2];
  EXPECT_NE(&feedback[0].structure_needs_at_least_one_member,
            &feedback[1].structure_needs_at_least_one_member);

  // all-primitive types: __init writes nothing
  pelorin__msg__MovementConstraint raw;
  std::memset(&raw, 1, sizeof raw);
  pelorin__msg__MovementConstraint before = raw;
  EXPECT_TRUE(pelorin__msg__MovementConstraint__init(&raw));
  EXPECT_EQ(std::memcmp(&raw, &before, sizeof raw), 0);
}

// ---------------------------------------------------------------------------------------
// Sequence copy semantics.

struct PathSequences : ::testing::Test {
  pelorin__msg__Path__Sequence* make(size_t n, float tolerance) {
    pelorin__msg__Path__Sequence* s = pelorin__msg__Path__Sequence__create(n);
    EXPECT_NE(s, nullptr);
    for (size_t i = 0; i < n; ++i) fill_path(&s->data[i], i + 1, tolerance + i);
    owned.push_back(s);
    return s;
  }
  void TearDown() override {
    for (auto* s : owned) pelorin__msg__Path__Sequence__destroy(s);
  }
  std::vector<pelorin__msg__Path__Sequence*> owned;
};

TEST_F(PathSequences, ShorterInputKeepsCapacityAndSpareElements) {
  auto* in = make(3, 1.0f);
  auto* out = make(5, 10.0f);
  pelorin__msg__Path* array = out->data;
  ASSERT_TRUE(pelorin__msg__Path__Sequence__copy(in, out));
  EXPECT_EQ(out->size, 3u);
  EXPECT_EQ(out->capacity, 5u);
  EXPECT_EQ(out->data, array);
  EXPECT_EQ(out->data[3].tolerance, 13.0f);
  EXPECT_EQ(out->data[4].nav_path.poses.size, 5u);
  EXPECT_TRUE(pelorin__msg__Path__Sequence__are_equal(in, out));

  // an empty input leaves the array and capacity alone
  auto* empty = make(0, 0.0f);
  ASSERT_TRUE(pelorin__msg__Path__Sequence__copy(empty, out));
  EXPECT_EQ(out->size, 0u);
  EXPECT_EQ(out->capacity, 5u);
  EXPECT_EQ(out->data, array);
  EXPECT_EQ(out->data[0].tolerance, 1.0f);
  // size 0 with an array equals size 0 without one
  EXPECT_TRUE(pelorin__msg__Path__Sequence__are_equal(empty, out));
}

TEST_F(PathSequences, LongerInputGrowsToExactlyItsSize) {
  auto* in = make(4, 2.0f);
  auto* out = make(0, 0.0f);
  ASSERT_TRUE(pelorin__msg__Path__Sequence__copy(in, out));
  EXPECT_EQ(out->size, 4u);
  EXPECT_EQ(out->capacity, 4u);
  EXPECT_TRUE(pelorin__msg__Path__Sequence__are_equal(in, out));

  // growing keeps the old elements and initialises the new ones
  auto* small = make(2, 7.0f);
  auto* big = make(6, 3.0f);
  ASSERT_TRUE(pelorin__msg__Path__Sequence__copy(big, small));
  EXPECT_EQ(small->capacity, 6u);
  EXPECT_TRUE(pelorin__msg__Path__Sequence__are_equal(big, small));
}

TEST_F(PathSequences, EqualityIgnoresCapacity) {
  auto* a = make(2, 1.0f);
  auto* b = make(5, 1.0f);
  EXPECT_FALSE(pelorin__msg__Path__Sequence__are_equal(a, b));
  b->size = 2;
  EXPECT_TRUE(pelorin__msg__Path__Sequence__are_equal(a, b));
  b->data[1].in_narrow_space = true;
  EXPECT_FALSE(pelorin__msg__Path__Sequence__are_equal(a, b));
}

TEST(CSequenceRecord, FiniOnNullDataWritesNothing) {
  pelorin__msg__Path__Sequence record{nullptr, 3, 4};
  pelorin__msg__Path__Sequence__fini(&record);
  EXPECT_EQ(record.size, 3u);
  EXPECT_EQ(record.capacity, 4u);
}

// ---------------------------------------------------------------------------------------
// What the C output gives the dependency packages.

TEST(CDependencyPackages, DefaultValuesFixedArraysAndConstants) {
  geometry_msgs__msg__Pose* pose = geometry_msgs__msg__Pose__create();
  EXPECT_EQ(pose->orientation.w, 1.0);
  EXPECT_EQ(pose->orientation.x, 0.0);
  pose->orientation.w = 0.0;
  ASSERT_TRUE(geometry_msgs__msg__Pose__init(pose));  // defaults written again
  EXPECT_EQ(pose->orientation.w, 1.0);
  geometry_msgs__msg__Pose__destroy(pose);

  unique_identifier_msgs__msg__UUID a, b;
  ASSERT_TRUE(unique_identifier_msgs__msg__UUID__init(&a));
  ASSERT_TRUE(unique_identifier_msgs__msg__UUID__init(&b));
  for (int i = 0; i < 16; ++i) a.uuid[i] = static_cast<uint8_t>(i * 3);
  std::memset(b.uuid, 0, sizeof b.uuid);
  EXPECT_EQ(sizeof a.uuid, 16u);
  ASSERT_TRUE(unique_identifier_msgs__msg__UUID__copy(&a, &b));
  EXPECT_TRUE(unique_identifier_msgs__msg__UUID__are_equal(&a, &b));
  b.uuid[15] ^= 1;
  EXPECT_FALSE(unique_identifier_msgs__msg__UUID__are_equal(&a, &b));

  EXPECT_EQ(action_msgs__msg__GoalStatus__STATUS_UNKNOWN, 0);
  EXPECT_EQ(action_msgs__msg__GoalStatus__STATUS_ABORTED, 6);
  EXPECT_EQ(action_msgs__srv__CancelGoal_Response__ERROR_GOAL_TERMINATED, 3);
}

}  // namespace
