// The demo's CDR step: the LocalPlanning result written as CDR and read back.
#pragma once

#include "pelorin/action/local_planning.hpp"

// Serializes `result`, prints the size and the first octets, reads the octets back into a
// fresh message and prints whether it equals `result`.
void run_cdr_step(const pelorin::action::LocalPlanning_Result & result);
