#include "cdr_step.hpp"

#include <cstdio>
#include <iostream>
#include <vector>

#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "pelorin/action/detail/local_planning__rosidl_typesupport_fastrtps_cpp.hpp"

void run_cdr_step(const pelorin::action::LocalPlanning_Result & result)
{
  namespace cdr_ts = pelorin::action::typesupport_fastrtps_cpp;
  const size_t size = cdr_ts::get_serialized_size(result, 0);
  std::vector<char> buffer(size);
  eprosima::fastcdr::FastBuffer fast(buffer.data(), buffer.size());
  eprosima::fastcdr::Cdr writer(fast, eprosima::fastcdr::Cdr::LITTLE_ENDIANNESS);
  cdr_ts::cdr_serialize(result, writer);

  std::cout << "# CDR: " << writer.getSerializedDataLength() << " octets (computed size " << size <<
    "), first octets:";
  for (size_t i = 0; i < buffer.size() && i < 32; ++i) {
    char octet[4];
    std::snprintf(octet, sizeof octet, " %02x", static_cast<unsigned char>(buffer[i]));
    std::cout << octet;
  }
  std::cout << "\n";

  pelorin::action::LocalPlanning_Result back;
  eprosima::fastcdr::Cdr reader(fast, eprosima::fastcdr::Cdr::LITTLE_ENDIANNESS);
  cdr_ts::cdr_deserialize(reader, back);
  std::cout << "# CDR read back: " << (back == result ? "equal" : "DIFFERENT") << "\n";
}
