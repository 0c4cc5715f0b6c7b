// Every allocation of the C message library can fail: for n = 0, 1, 2, ... the n-th
// allocation of an operation fails, until the operation needs fewer than n and succeeds.
// Each failing run must report failure, leave its output as documented and leak nothing.
//
// Debian's librcutils is built without fault injection in its default allocator, so this
// executable provides its own rcutils_get_default_allocator(): the library and
// rosidl_runtime_c's String functions resolve it here (the executable exports its symbols).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "pelorin/action/local_planning.h"
#include "pelorin/msg/multi_paths.h"
#include "pelorin/msg/path.h"
#include "rcutils/allocator.h"
#include "c_grammar/msg/everything.h"
#include "c_grammar/msg/inner.h"
#include "geometry_msgs/msg/point32.h"
#include "geometry_msgs/msg/polygon.h"
#include "geometry_msgs/msg/pose_stamped.h"
#include "rosidl_runtime_c/string_functions.h"

namespace {

long g_fail_at = -1;  // index of the allocation that fails; -1: none
long g_calls = 0;     // allocations since the last arm()
bool g_injected = false;
long g_live = 0;      // blocks handed out and not yet given back

bool fail_now() {
  if (g_fail_at < 0) return false;
  if (g_calls++ != g_fail_at) return false;
  g_injected = true;
  return true;
}

void* test_allocate(size_t size, void*) {
  if (fail_now()) return nullptr;
  void* p = std::malloc(size);
  if (p) ++g_live;
  return p;
}

void* test_zero_allocate(size_t count, size_t size, void*) {
  if (fail_now()) return nullptr;
  void* p = std::calloc(count, size);
  if (p) ++g_live;
  return p;
}

void* test_reallocate(void* pointer, size_t size, void*) {
  if (fail_now()) return nullptr;
  void* p = std::realloc(pointer, size);
  if (p && !pointer) ++g_live;
  return p;
}

void test_deallocate(void* pointer, void*) {
  if (pointer) --g_live;
  std::free(pointer);
}

}  // namespace

extern "C" rcutils_allocator_t rcutils_get_default_allocator(void) {
  rcutils_allocator_t allocator;
  allocator.allocate = test_allocate;
  allocator.deallocate = test_deallocate;
  allocator.reallocate = test_reallocate;
  allocator.zero_allocate = test_zero_allocate;
  allocator.state = nullptr;
  return allocator;
}

namespace {

// Runs `operation` with the n-th allocation failing.
template <typename F>
bool with_failure_at(long n, F operation) {
  g_calls = 0;
  g_injected = false;
  g_fail_at = n;
  const bool ok = operation();
  g_fail_at = -1;
  return ok;
}

// Runs `attempt(n)` for n = 0, 1, ... until it succeeds. `attempt` sets up its fixture,
// calls with_failure_at(n, ...) for the operation under test, checks and releases.
template <typename Attempt>
void sweep(Attempt attempt) {
  long n = 0;
  for (;; ++n) {
    ASSERT_LT(n, 10000) << "the operation never succeeds";
    const long live = g_live;
    const bool ok = attempt(n);
    EXPECT_EQ(ok, !g_injected) << "failure " << n << " was not reported as failure";
    EXPECT_EQ(g_live, live) << "blocks leaked with allocation " << n << " failing";
    if (ok) break;
  }
  EXPECT_GT(n, 1) << "the operation should allocate more than once";
}

void set_string(rosidl_runtime_c__String* s, const char* value) {
  ASSERT_TRUE(rosidl_runtime_c__String__assign(s, value));
}

void fill_path(pelorin__msg__Path* path, size_t poses) {
  set_string(&path->nav_path.header.frame_id, "map");
  ASSERT_TRUE(geometry_msgs__msg__PoseStamped__Sequence__init(&path->nav_path.poses, poses));
  for (size_t i = 0; i < poses; ++i) {
    set_string(&path->nav_path.poses.data[i].header.frame_id, "odom");
    path->nav_path.poses.data[i].pose.position.x = static_cast<double>(i);
  }
  path->tolerance = 0.5f;
}

void fill_multi_paths(pelorin__msg__MultiPaths* paths, size_t count) {
  set_string(&paths->uuid, "route");
  pelorin__msg__Path__Sequence__fini(&paths->paths);
  ASSERT_TRUE(pelorin__msg__Path__Sequence__init(&paths->paths, count));
  for (size_t i = 0; i < count; ++i) fill_path(&paths->paths.data[i], i + 1);
}

pelorin__action__LocalPlanning_Result* make_result() {
  auto* r = pelorin__action__LocalPlanning_Result__create();
  EXPECT_NE(r, nullptr);
  fill_path(&r->local_path, 2);
  fill_multi_paths(&r->global_paths, 3);
  EXPECT_TRUE(geometry_msgs__msg__Polygon__Sequence__init(&r->residues_zones, 2));
  EXPECT_TRUE(geometry_msgs__msg__Point32__Sequence__init(&r->residues_zones.data[1].points, 4));
  EXPECT_TRUE(geometry_msgs__msg__PoseStamped__Sequence__init(&r->post_task_pose, 1));
  r->finished = true;
  return r;
}

TEST(CAllocationFailure, Create) {
  sweep([](long n) {
    pelorin__action__LocalPlanning_Result* r = nullptr;
    const bool ok = with_failure_at(n, [&] {
      r = pelorin__action__LocalPlanning_Result__create();
      return r != nullptr;
    });
    pelorin__action__LocalPlanning_Result__destroy(r);
    return ok;
  });
}

TEST(CAllocationFailure, SequenceInitAndCreate) {
  sweep([](long n) {
    pelorin__action__LocalPlanning_Result__Sequence record{};
    const bool ok = with_failure_at(
        n, [&] { return pelorin__action__LocalPlanning_Result__Sequence__init(&record, 3); });
    if (!ok) {  // the record is untouched
      EXPECT_EQ(record.data, nullptr);
      EXPECT_EQ(record.size, 0u);
      EXPECT_EQ(record.capacity, 0u);
    } else {
      EXPECT_EQ(record.size, 3u);
    }
    pelorin__action__LocalPlanning_Result__Sequence__fini(&record);
    return ok;
  });
  sweep([](long n) {
    pelorin__msg__MultiPaths__Sequence* s = nullptr;
    const bool ok = with_failure_at(n, [&] {
      s = pelorin__msg__MultiPaths__Sequence__create(4);
      return s != nullptr;
    });
    pelorin__msg__MultiPaths__Sequence__destroy(s);
    return ok;
  });
}

// Copies a filled result onto `output_paths`-shaped outputs: a fresh structure, and one
// whose sequences hold fewer elements (so copying grows them past existing elements).
void copy_result_sweep(size_t output_paths) {
  pelorin__action__LocalPlanning_Result* input = make_result();
  sweep([&](long n) {
    auto* output = pelorin__action__LocalPlanning_Result__create();
    if (output_paths) fill_multi_paths(&output->global_paths, output_paths);
    const bool ok =
        with_failure_at(n, [&] { return pelorin__action__LocalPlanning_Result__copy(input, output); });
    // whatever happened, the output is consistent: it can be copied onto again
    EXPECT_TRUE(pelorin__action__LocalPlanning_Result__copy(input, output));
    EXPECT_TRUE(pelorin__action__LocalPlanning_Result__are_equal(input, output));
    pelorin__action__LocalPlanning_Result__destroy(output);
    return ok;
  });
  pelorin__action__LocalPlanning_Result__destroy(input);
}

TEST(CAllocationFailure, CopyOntoFreshResult) { copy_result_sweep(0); }
TEST(CAllocationFailure, CopyOntoResultHoldingFewerPaths) { copy_result_sweep(1); }

TEST(CAllocationFailure, CopyMultiPaths) {
  auto* input = pelorin__msg__MultiPaths__create();
  fill_multi_paths(input, 4);
  sweep([&](long n) {
    auto* output = pelorin__msg__MultiPaths__create();
    const bool ok = with_failure_at(n, [&] { return pelorin__msg__MultiPaths__copy(input, output); });
    EXPECT_TRUE(pelorin__msg__MultiPaths__copy(input, output));
    EXPECT_TRUE(pelorin__msg__MultiPaths__are_equal(input, output));
    pelorin__msg__MultiPaths__destroy(output);
    return ok;
  });
  pelorin__msg__MultiPaths__destroy(input);
}

// A failure while the grown elements are initialised keeps the output's old elements,
// size and capacity, in the resized array.
TEST(CAllocationFailure, SequenceCopyKeepsOldElementsWhenGrowingFails) {
  auto* input = pelorin__msg__Path__Sequence__create(5);
  for (size_t i = 0; i < 5; ++i) fill_path(&input->data[i], 2);
  sweep([&](long n) {
    auto* output = pelorin__msg__Path__Sequence__create(2);
    output->data[1].clean_state = 9;
    output->size = 1;
    const bool ok =
        with_failure_at(n, [&] { return pelorin__msg__Path__Sequence__copy(input, output); });
    if (!ok && output->capacity == 2) {
      EXPECT_EQ(output->data[1].clean_state, 9);
      EXPECT_EQ(output->size, 1u);
    }
    EXPECT_TRUE(pelorin__msg__Path__Sequence__copy(input, output));
    EXPECT_TRUE(pelorin__msg__Path__Sequence__are_equal(input, output));
    EXPECT_EQ(output->capacity, 5u);
    pelorin__msg__Path__Sequence__destroy(output);
    return ok;
  });
  // onto an empty record: a failure after the resize leaves the array with capacity 0
  sweep([&](long n) {
    pelorin__msg__Path__Sequence output{};
    const bool ok =
        with_failure_at(n, [&] { return pelorin__msg__Path__Sequence__copy(input, &output); });
    if (!ok) {  // failed growing (nothing changed) or failed copying elements (all grown)
      EXPECT_EQ(output.size, output.capacity);
      EXPECT_TRUE(output.capacity == 0u || output.capacity == 5u);
    }
    pelorin__msg__Path__Sequence__fini(&output);
    return ok;
  });
  pelorin__msg__Path__Sequence__destroy(input);
}

// __init on raw storage: a failing member finalises only the members initialised before it,
// so nothing is read from (or freed through) the raw bytes of the members after it.
template <typename T>
void init_on_raw_storage_sweep(bool (*init)(T*), void (*fini)(T*)) {
  sweep([&](long n) {
    T raw;
    std::memset(&raw, 0xa5, sizeof raw);
    const bool ok = with_failure_at(n, [&] { return init(&raw); });
    if (ok) fini(&raw);
    return ok;
  });
}

TEST(CAllocationFailure, InitOnRawStorage) {
  init_on_raw_storage_sweep(&pelorin__action__LocalPlanning_Result__init,
                            &pelorin__action__LocalPlanning_Result__fini);
  init_on_raw_storage_sweep(&c_grammar__msg__Everything__init, &c_grammar__msg__Everything__fini);
}

// Default values, fixed arrays of strings and messages, sequences of every element kind.
TEST(CAllocationFailure, WholeGrammar) {
  sweep([](long n) {
    c_grammar__msg__Everything__Sequence* s = nullptr;
    const bool ok = with_failure_at(n, [&] {
      s = c_grammar__msg__Everything__Sequence__create(2);
      return s != nullptr;
    });
    c_grammar__msg__Everything__Sequence__destroy(s);
    return ok;
  });
  auto* input = c_grammar__msg__Everything__create();
  EXPECT_TRUE(c_grammar__msg__Inner__Sequence__init(&input->inners, 3));
  EXPECT_TRUE(rosidl_runtime_c__String__assign(&input->inners.data[2].name, "a longer name"));
  sweep([&](long n) {
    auto* output = c_grammar__msg__Everything__create();
    const bool ok = with_failure_at(n, [&] { return c_grammar__msg__Everything__copy(input, output); });
    EXPECT_TRUE(c_grammar__msg__Everything__copy(input, output));
    EXPECT_TRUE(c_grammar__msg__Everything__are_equal(input, output));
    c_grammar__msg__Everything__destroy(output);
    return ok;
  });
  c_grammar__msg__Everything__destroy(input);
}

}  // namespace
