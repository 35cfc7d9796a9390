// The floor a whole run is measured against: hold four tables of 1,081,344
// bytes in memory, then copy the eight final files' bytes into place.
// Usage (in the output directory): floor <directory with the eight files>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const char* const names[8] = {
    "dsp_init_tpb0.inc", "tpb0.dmp", "dsp_init_tpbp0.inc", "tpbp0.dmp",
    "dsp_init_tpmb0.inc", "tpmb0.dmp", "dsp_init_tpmbp0.inc", "tpmbp0.dmp",
};

constexpr std::size_t table_bytes = 33 * 8192 * 4;
std::int32_t tables[4][33 * 8192]; // the dumps, read into place: touched
char text[4][128 * 1024];          // the include files
std::size_t text_size[4];

bool read_into(const std::string& path, void* to, std::size_t capacity, std::size_t* size)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr)
        return false;
    *size = std::fread(to, 1, capacity, f);
    return std::fclose(f) == 0;
}

bool write_file(const char* name, const void* bytes, std::size_t n)
{
    std::FILE* f = std::fopen(name, "wb");
    if (f == nullptr)
        return false;
    const bool ok = std::fwrite(bytes, 1, n, f) == n;
    return std::fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: floor <directory with the eight files>\n");
        return 2;
    }
    for (int t = 0; t < 4; ++t) {
        std::size_t n = 0;
        if (!read_into(std::string(argv[1]) + "/" + names[2 * t + 1], tables[t], table_bytes, &n) ||
            n != table_bytes ||
            !read_into(std::string(argv[1]) + "/" + names[2 * t], text[t], sizeof text[t],
                       &text_size[t]))
            return 1;
    }
    for (int t = 0; t < 4; ++t)
        if (!write_file(names[2 * t], text[t], text_size[t]) ||
            !write_file(names[2 * t + 1], tables[t], table_bytes))
            return 1;
    return 0;
}
