// The demo's dispatch step: serialize a message through its generic C++ handle.
#pragma once

#include "pelorin/action/local_planning.hpp"

// Asks the generic handle of LocalPlanning_Result for the CDR type support by identifier (as
// a middleware does; the CDR library is loaded on demand), serializes `result` with the
// callbacks found there and prints the identifiers gone through and the encoded size.
void run_dispatch_step(const pelorin::action::LocalPlanning_Result& result);
