#include "dispatch_step.hpp"

#include <iostream>
#include <vector>

#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_typesupport_cpp/message_type_support.hpp"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"

void run_dispatch_step(const pelorin::action::LocalPlanning_Result& result) {
  const rosidl_message_type_support_t* generic =
    rosidl_typesupport_cpp::get_message_type_support_handle<pelorin::action::LocalPlanning_Result>();
  std::cout << "# type support: " << generic->typesupport_identifier;
  const rosidl_message_type_support_t* cdr =
    get_message_typesupport_handle(generic, "rosidl_typesupport_fastrtps_cpp");
  if (cdr == nullptr) {
    std::cout << " -> rosidl_typesupport_fastrtps_cpp unavailable\n";
    return;
  }
  std::cout << " -> " << cdr->typesupport_identifier << "\n";
  const auto* callbacks = static_cast<const message_type_support_callbacks_t*>(cdr->data);

  std::vector<char> storage(callbacks->get_serialized_size(&result) + 4);
  eprosima::fastcdr::FastBuffer buffer(storage.data(), storage.size());
  eprosima::fastcdr::Cdr stream(buffer, eprosima::fastcdr::Cdr::DEFAULT_ENDIAN,
                                eprosima::fastcdr::Cdr::DDS_CDR);
  stream.serialize_encapsulation();
  callbacks->cdr_serialize(&result, stream);
  std::cout << "# " << callbacks->message_namespace_ << "::" << callbacks->message_name_
            << " serialized through it: " << stream.getSerializedDataLength()
            << " octets (4-octet encapsulation header + "
            << callbacks->get_serialized_size(&result) << ")\n";
}
