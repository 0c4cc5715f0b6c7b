// The demo's C step: the LocalPlanning result built as a C structure.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

// Builds a LocalPlanning_Result holding two paths as a C structure, copies it, compares the
// copy with the original and prints the outcome.
void run_c_step(void);

#ifdef __cplusplus
}
#endif
