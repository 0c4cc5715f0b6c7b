// Eight threads request every service handle for the first time at once, each by the C name
// the dispatch layer uses; every caller must see complete service records.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "rosidl_typesupport_introspection_cpp/identifier.hpp"
#include "rosidl_typesupport_introspection_cpp/service_introspection.hpp"
#include "../common/pelorin_types.hpp"
#include "introspection_headers.hpp"

namespace {

namespace ts = rosidl_typesupport_introspection_cpp;

struct Service {
  const rosidl_service_type_support_t* (*get)();
  const char* name;
};

const std::vector<Service>& services() {
#define ENTRY(kind, S) \
  {&rosidl_typesupport_introspection_cpp__get_service_type_support_handle__pelorin__##kind##__##S, #S},
  static const std::vector<Service> all{PELORIN_SERVICE_TYPES(ENTRY)};
#undef ENTRY
  return all;
}

TEST(IntrospectionFirstRequest, ConcurrentFirstRequestsSeeCompleteRecords) {
  ASSERT_EQ(services().size(), 17u);
  constexpr int kThreads = 8;
  std::atomic<int> ready{0};
  std::atomic<bool> go{false};
  std::vector<std::vector<std::string>> failures(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      ++ready;
      while (!go.load()) std::this_thread::yield();
      const std::size_t n = services().size();
      for (std::size_t i = 0; i < n; ++i) {
        // Threads walk the list from different starting points.
        const Service& s = services()[(i + static_cast<std::size_t>(t) * 3) % n];
        const rosidl_service_type_support_t* handle = s.get();
        const auto* record = static_cast<const ts::ServiceMembers*>(handle->data);
        const ts::MessageMembers* request = record->request_members_;
        const ts::MessageMembers* response = record->response_members_;
        if (handle->typesupport_identifier != ts::typesupport_identifier ||
            request == nullptr || response == nullptr ||
            std::string(request->message_name_) != std::string(s.name) + "_Request" ||
            std::string(response->message_name_) != std::string(s.name) + "_Response") {
          failures[t].push_back(s.name);
        }
      }
    });
  }
  while (ready.load() < kThreads) std::this_thread::yield();
  go = true;
  for (auto& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) {
    for (const std::string& name : failures[t]) ADD_FAILURE() << "thread " << t << ": " << name;
  }
}

}  // namespace
