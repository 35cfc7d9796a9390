// The cost of each stage of a run.
#include <cmath>
#include <filesystem>

#include <benchmark/benchmark.h>
#include <unistd.h>

#include "output_files.h"
#include "sparse_include.h"
#include "tables.h"

namespace {

table mantissas, exponents;

void generate_one_set(benchmark::State& state)
{
    for (auto _ : state) {
        generate_tables(scale_tpb, mantissas, exponents);
        benchmark::DoNotOptimize(mantissas);
    }
    state.SetItemsProcessed(state.iterations() * computed_rows * table_columns);
}
BENCHMARK(generate_one_set)->Unit(benchmark::kMillisecond);

// One call of the normaliser on a value of each class.
void normalize(benchmark::State& state, double u)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(u);
        benchmark::DoNotOptimize(normalize_entry(u));
    }
}
BENCHMARK_CAPTURE(normalize, large, 1e6);
BENCHMARK_CAPTURE(normalize, normal, scale_tpb);
BENCHMARK_CAPTURE(normalize, limit_reached, std::ldexp(1000.0, -32));
BENCHMARK_CAPTURE(normalize, zero, 0.0);
BENCHMARK_CAPTURE(normalize, overflow, 1e12);

// Writing into a scratch directory; each file is moved into place.
struct scratch_dir {
    std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("dsp_bench_" + std::to_string(getpid()));
    scratch_dir()
    {
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
    }
    ~scratch_dir()
    {
        std::filesystem::current_path(old);
        std::filesystem::remove_all(dir);
    }
};

void write_include(benchmark::State& state, include_kind kind)
{
    scratch_dir scratch;
    generate_tables(scale_tpb, mantissas, exponents);
    table& t = kind == include_kind::mantissa ? mantissas : exponents;
    for (auto _ : state) {
        if (!write_sparse_include("t.inc", "init_t", t, kind) || !commit_outputs())
            state.SkipWithError("write failed");
    }
}
BENCHMARK_CAPTURE(write_include, mantissa, include_kind::mantissa)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(write_include, exponent, include_kind::exponent)->Unit(benchmark::kMicrosecond);

void write_dump(benchmark::State& state)
{
    scratch_dir scratch;
    for (auto _ : state) {
        if (!write_table_dump("t0.dmp", mantissas) || !commit_outputs())
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * table_bytes);
}
BENCHMARK(write_dump)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
