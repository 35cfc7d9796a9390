// The raw table dump.
#include <bit>

#include "output_files.h"
#include "tables.h"

// The dump is little-endian on every host; on such a host the table in
// memory is already the dump image, byte for byte.
static_assert(std::endian::native == std::endian::little,
              "the dump is written straight from memory: add a byte swap for this host");
static_assert(sizeof(table) == table_bytes, "a table is 33 * 8192 int32 without padding");

// Writes the whole table as 33 * 8192 little-endian int32 to file_name.
bool write_table_dump(const char* file_name, const table& t)
{
    std::FILE* stream = begin_output(file_name);
    if (stream == nullptr)
        return false;
    // One block write of the whole image: no header, no trailer.
    const bool written = write_output(stream, file_name, t, table_bytes);
    return end_output(stream, file_name, written);
}
