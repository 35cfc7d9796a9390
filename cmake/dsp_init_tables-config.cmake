# Package of dsp_init_tables: the imported program
# dsp_init_tables::dsp_init_tables and the function dsp_init_tables_add().
include("${CMAKE_CURRENT_LIST_DIR}/dsp_init_tables-targets.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/dsp_init_tables_add.cmake")
