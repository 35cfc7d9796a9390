/* A DSP program's view of the include files: walks every array row by row
 * and checks it against the dump files in the directory given as argv[1].
 * Compiled once as C and once as C++ (consumer.cpp includes this file). */
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include "dsp_init_tpb0.inc"
#include "dsp_init_tpbp0.inc"
#include "dsp_init_tpmb0.inc"
#include "dsp_init_tpmbp0.inc"

#define ROWS 33
#define COLUMNS 8192
#define COMPUTED_ROWS 29

static int32_t mantissas[ROWS][COLUMNS];
static int32_t exponents[ROWS][COLUMNS];

/* Reads a dump: 33 x 8192 little-endian int32, decoded byte by byte. */
static int read_dump(const char* dir, const char* name, int32_t t[ROWS][COLUMNS])
{
    static unsigned char bytes[ROWS * COLUMNS * 4 + 1];
    char path[4096];
    FILE* f;
    size_t n;
    int k;
    snprintf(path, sizeof path, "%s/%s", dir, name);
    f = fopen(path, "rb");
    if (f == NULL) {
        fprintf(stderr, "cannot open %s\n", path);
        return 0;
    }
    n = fread(bytes, 1, sizeof bytes, f);
    fclose(f);
    if (n != ROWS * COLUMNS * 4) {
        fprintf(stderr, "%s: %lu bytes\n", path, (unsigned long)n);
        return 0;
    }
    for (k = 0; k < ROWS * COLUMNS; ++k) {
        uint32_t v = (uint32_t)bytes[4 * k] | (uint32_t)bytes[4 * k + 1] << 8 |
                     (uint32_t)bytes[4 * k + 2] << 16 | (uint32_t)bytes[4 * k + 3] << 24;
        /* two's complement, without an implementation-defined conversion */
        t[k / COLUMNS][k % COLUMNS] = v <= INT32_MAX ? (int32_t)v : -(int32_t)~v - 1;
    }
    return 1;
}

/* Whether column c of row r belongs to the row's stretch.  A mantissa
 * qualifies when positive before saturation: an overflowed entry reads
 * 2147483647 in the dump, with the exponent -32 of the doubling limit. */
static int qualifies(int r, int c, int is_mantissa)
{
    if (is_mantissa)
        return mantissas[r][c] > 0 && !(mantissas[r][c] == INT32_MAX && exponents[r][c] == -32);
    return exponents[r][c] > -32;
}

/* Walks one array: per row lo, hi, then hi - lo + 1 values. */
static int check_array(const char* what, const int* a, size_t n, int is_mantissa)
{
    size_t k = 0;
    int r, c;
    for (r = 0; r < COMPUTED_ROWS; ++r) {
        int lo = COLUMNS - 1, hi = 0;
        for (c = 0; c < COLUMNS; ++c)
            if (qualifies(r, c, is_mantissa)) {
                if (c < lo)
                    lo = c;
                if (c > hi)
                    hi = c;
            }
        if (k + 2 > n || a[k] != lo || a[k + 1] != hi) {
            fprintf(stderr, "%s row %d: range differs from the dumps\n", what, r);
            return 0;
        }
        k += 2;
        for (c = lo; c <= hi; ++c, ++k) {
            int want = is_mantissa ? mantissas[r][c] : -exponents[r][c];
            if (k >= n || a[k] != want) {
                fprintf(stderr, "%s row %d column %d: value differs from the dump\n", what, r, c);
                return 0;
            }
        }
    }
    if (k != n) {
        fprintf(stderr, "%s: %lu values after the last row\n", what, (unsigned long)(n - k));
        return 0;
    }
    return 1;
}

#define COUNT(a) (sizeof(a) / sizeof((a)[0]))

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: consumer <directory of the dumps>\n");
        return 2;
    }
    if (!read_dump(argv[1], "tpb0.dmp", mantissas) || !read_dump(argv[1], "tpbp0.dmp", exponents) ||
        !check_array("init_tpb", init_tpb, COUNT(init_tpb), 1) ||
        !check_array("init_tpbp", init_tpbp, COUNT(init_tpbp), 0))
        return 1;
    if (!read_dump(argv[1], "tpmb0.dmp", mantissas) || !read_dump(argv[1], "tpmbp0.dmp", exponents) ||
        !check_array("init_tpmb", init_tpmb, COUNT(init_tpmb), 1) ||
        !check_array("init_tpmbp", init_tpmbp, COUNT(init_tpmbp), 0))
        return 1;
    return 0;
}
