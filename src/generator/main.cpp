// dsp_init_tables: computes both table sets and writes, into the current
// directory, each table's include file and then its dump:
//   dsp_init_tpb0.inc  tpb0.dmp  dsp_init_tpbp0.inc  tpbp0.dmp
//   dsp_init_tpmb0.inc tpmb0.dmp dsp_init_tpmbp0.inc tpmbp0.dmp
// Arguments are ignored.  Success prints nothing and exits 0; any failure
// is reported on stderr, exits 1 and leaves every output file as it was.
#include <cstdlib>

#include "../include_output/sparse_include.h"
#include "output_files.h"
#include "tables.h"

namespace {

table tpb, tpbp, tpmb, tpmbp; // zero at start; rows 29 to 32 stay zero

// Writes one table's include file, then its dump (after any saturation).
bool write_table(const char* include_name, const char* array_name, const char* dump_name,
                 table& t, include_kind kind)
{
    return write_sparse_include(include_name, array_name, t, kind) &&
           write_table_dump(dump_name, t);
}

} // namespace

int main()
{
    prepare_output();
    generate_tables(scale_tpb, tpb, tpbp);
    generate_tables(scale_tpmb, tpmb, tpmbp);

    const bool ok =
        write_table("dsp_init_tpb0.inc", "init_tpb", "tpb0.dmp", tpb, include_kind::mantissa) &&
        write_table("dsp_init_tpbp0.inc", "init_tpbp", "tpbp0.dmp", tpbp, include_kind::exponent) &&
        write_table("dsp_init_tpmb0.inc", "init_tpmb", "tpmb0.dmp", tpmb, include_kind::mantissa) &&
        write_table("dsp_init_tpmbp0.inc", "init_tpmbp", "tpmbp0.dmp", tpmbp, include_kind::exponent) &&
        commit_outputs();
    if (!ok) {
        discard_outputs();
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
