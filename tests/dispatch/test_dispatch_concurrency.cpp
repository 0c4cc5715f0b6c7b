// Many threads taking their first look-ups and action records at once: every thread gets the
// same complete results, each library is opened once (ThreadSanitizer watches the slots and
// the action records).
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "dispatch_cases.hpp"

namespace {

constexpr int kThreads = 8;

// Runs `work(thread)` on kThreads threads released together; returns what each produced.
template<typename Work>
std::vector<std::vector<const void*>> run_together(Work work) {
  std::mutex mutex;
  std::condition_variable start;
  bool go = false;
  std::vector<std::vector<const void*>> results(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      {
        std::unique_lock<std::mutex> lock(mutex);
        start.wait(lock, [&] { return go; });
      }
      results[t] = work();
    });
  }
  {
    std::lock_guard<std::mutex> lock(mutex);
    go = true;
  }
  start.notify_all();
  for (auto& thread : threads) thread.join();
  return results;
}

// Every type through both concrete identifiers, then every action record and its five fields.
template<typename MessageOf, typename ServiceOf, typename ActionOf>
std::vector<const void*> look_everything_up(const char* const (&identifiers)[2], MessageOf message_of,
                                            ServiceOf service_of, ActionOf action_of) {
  std::vector<const void*> found;
  for (const char* identifier : identifiers) {
    for (const MessageCase& c : message_cases()) {
      found.push_back(get_message_typesupport_handle(message_of(c), identifier));
    }
    for (const ServiceCase& c : service_cases()) {
      found.push_back(get_service_typesupport_handle(service_of(c), identifier));
    }
  }
  for (const ActionCase& a : action_cases()) {
    const rosidl_action_type_support_t* action = action_of(a);
    found.insert(found.end(), {action, action->goal_service_type_support,
                               action->result_service_type_support,
                               action->cancel_service_type_support,
                               action->feedback_message_type_support,
                               action->status_message_type_support});
  }
  return found;
}

void expect_all_equal_and_complete(const std::vector<std::vector<const void*>>& results) {
  ASSERT_EQ(results[0].size(), 2u * (65 + 17) + 7u * 6);
  for (std::size_t i = 0; i < results[0].size(); ++i) {
    EXPECT_NE(results[0][i], nullptr) << "result " << i;
  }
  for (int t = 1; t < kThreads; ++t) EXPECT_EQ(results[t], results[0]) << "thread " << t;
}

TEST(DispatchConcurrency, FirstCLookupsAndActionRecordsFromManyThreads) {
  static const char* const identifiers[2] = {"rosidl_typesupport_fastrtps_c",
                                             "rosidl_typesupport_introspection_c"};
  expect_all_equal_and_complete(run_together([] {
    return look_everything_up(identifiers, [](const MessageCase& c) { return c.c(); },
                              [](const ServiceCase& c) { return c.c(); },
                              [](const ActionCase& a) { return a.c(); });
  }));
}

TEST(DispatchConcurrency, FirstCppLookupsAndActionRecordsFromManyThreads) {
  static const char* const identifiers[2] = {"rosidl_typesupport_fastrtps_cpp",
                                             "rosidl_typesupport_introspection_cpp"};
  expect_all_equal_and_complete(run_together([] {
    return look_everything_up(identifiers, [](const MessageCase& c) { return c.cpp(); },
                              [](const ServiceCase& c) { return c.cpp(); },
                              [](const ActionCase& a) { return a.cpp(); });
  }));
}

}  // namespace
