// All-or-nothing output: every file of a run is written to a temporary of
// its own in the same directory, and only when all are complete are they
// moved over the real names.  A failed run changes no output file.
//
// Failures are reported on stderr as
//   dsp_init_tables: cannot <action> <file>: <system's reason>
#ifndef DSP_INIT_TABLES_OUTPUT_FILES_H
#define DSP_INIT_TABLES_OUTPUT_FILES_H

#include <cstddef>
#include <cstdio>

// Most outputs one run can hold before they are moved into place.
constexpr int max_outputs = 8;

// Makes a file-size limit an ordinary write error instead of a fatal signal.
void prepare_output();

// Creates a new, exclusive temporary for the output name; null on failure.
std::FILE* begin_output(const char* name);

// Writes n bytes to the output's temporary; false (reported) on failure.
bool write_output(std::FILE* stream, const char* name, const void* bytes, std::size_t n);

// Flushes and closes the temporary; false (reported) if any write failed.
// written is false when a write_output call has already failed and said so.
bool end_output(std::FILE* stream, const char* name, bool written);

// Moves every completed temporary over its output name, in order.
bool commit_outputs();

// Removes every temporary that has not been moved into place.
void discard_outputs();

#endif
