/* How a DSP program uses the sparse arrays: an index of where each row
 * starts, built once, and a lookup of (row, column) that says whether the
 * column lies inside the row's listed stretch and returns its value. */
#include <math.h>
#include <stdio.h>

#include "dsp_init_tpb0.inc"  /* init_tpb: mantissas M */
#include "dsp_init_tpbp0.inc" /* init_tpbp: shift counts -E */

#define ROWS 29

/* Where each row starts in its array: a[0] = lo, a[1] = hi, then the values. */
typedef struct {
    const int* row[ROWS];
} sparse_index;

/* Walks the array once: each row holds 2 + (hi - lo + 1) ints, or just 2. */
static void build_index(sparse_index* index, const int* a)
{
    int r;
    for (r = 0; r < ROWS; ++r) {
        const int lo = a[0], hi = a[1];
        index->row[r] = a;
        a += 2 + (lo <= hi ? hi - lo + 1 : 0);
    }
}

/* 1 and *value set when column c lies in row r's stretch, else 0. */
static int lookup(const sparse_index* index, int r, int c, int* value)
{
    const int* row = index->row[r];
    if (c < row[0] || c > row[1])
        return 0;
    *value = row[2 + (c - row[0])];
    return 1;
}

int main(void)
{
    sparse_index mantissas, shifts;
    int r, failures = 0;
    build_index(&mantissas, init_tpb);
    build_index(&shifts, init_tpbp);

    /* Column 4090 is 2^0 times the scale sqrt(2)/20 in every row. */
    for (r = 0; r < ROWS; ++r) {
        int m = 0, s = 0;
        if (!lookup(&mantissas, r, 4090, &m) || !lookup(&shifts, r, 4090, &s) || m != 37073 ||
            s != 19)
            ++failures;
    }
    {
        int m = 0, s = 0;
        /* Row 0 lists columns 4007 to 4189 of mantissas, 4056 to 4189 of shifts. */
        if (lookup(&mantissas, 0, 4006, &m) || lookup(&mantissas, 0, 4190, &m) ||
            lookup(&shifts, 0, 4055, &s) || !lookup(&shifts, 0, 4056, &s) || s != 31)
            ++failures;
        if (lookup(&mantissas, 0, 4100, &m) && lookup(&shifts, 0, 4100, &s))
            printf("row 0, column 4100: 0x%08X * 2^-%d = %.9g (2^3.5 * sqrt(2)/20 = %.9g)\n",
                   (unsigned)m, s, ldexp(m, -s), pow(2.0, 3.5) * sqrt(2.0) / 20);
    }
    printf("%s\n", failures == 0 ? "lookups agree with the tables" : "lookups FAILED");
    return failures == 0 ? 0 : 1;
}
