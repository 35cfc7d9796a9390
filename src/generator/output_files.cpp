// Temporary files, exclusive creation and the final moves into place.
#include "output_files.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <csignal>
#include <unistd.h>
#endif

namespace {

// One output of the run: its name and the temporary that will replace it.
struct staged_output {
    const char* name;
    char temp_name[64];
};

staged_output staged[max_outputs];
int staged_count = 0;

#ifdef _WIN32
int open_exclusive(const char* path)
{
    return _open(path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
long process_id() { return _getpid(); }
std::FILE* stream_of(int fd) { return _fdopen(fd, "wb"); }
void close_fd(int fd) { _close(fd); }

// Replaces name by the file at from; rename() refuses an existing target here.
bool replace_file(const char* from, const char* name, const char** reason)
{
    if (MoveFileExA(from, name, MOVEFILE_REPLACE_EXISTING))
        return true;
    static char text[256];
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, GetLastError(), 0, text, sizeof text, nullptr);
    while (n > 0 && (text[n - 1] == '\n' || text[n - 1] == '\r' || text[n - 1] == '.'))
        text[--n] = '\0';
    *reason = n > 0 ? text : "cannot move file";
    return false;
}

bool is_directory(const char* name)
{
    DWORD attributes = GetFileAttributesA(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
#else
int open_exclusive(const char* path)
{
    // O_EXCL never opens an existing file and never follows a link at path.
    return open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}
long process_id() { return static_cast<long>(getpid()); }
std::FILE* stream_of(int fd) { return fdopen(fd, "wb"); }
void close_fd(int fd) { close(fd); }

// Replaces name (a file or a link, never a link's target) by the file at from.
bool replace_file(const char* from, const char* name, const char** reason)
{
    if (std::rename(from, name) == 0)
        return true;
    *reason = std::strerror(errno);
    return false;
}

bool is_directory(const char* name)
{
    struct stat st;
    return lstat(name, &st) == 0 && S_ISDIR(st.st_mode);
}
#endif

// Prints "dsp_init_tables: <action> <name>: <reason>" on stderr.
void report_failure(const char* action, const char* name, const char* reason)
{
    std::fprintf(stderr, "dsp_init_tables: %s %s: %s\n", action, name, reason);
}

} // namespace

// Makes a file-size limit an ordinary write error instead of a fatal signal.
void prepare_output()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN); // writes past the limit now fail with EFBIG
#endif
}

// Creates a new, exclusive temporary for the output name; null on failure.
//
// The temporary is "<name>.<process id>-<attempt>.tmp" in the same directory,
// so the final move never crosses file systems and several runs at once
// never share a temporary.
std::FILE* begin_output(const char* name)
{
    if (staged_count == max_outputs) {
        report_failure("cannot create", name, "too many outputs in one run");
        return nullptr;
    }
    staged_output& out = staged[staged_count];
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        std::snprintf(out.temp_name, sizeof out.temp_name, "%s.%ld-%d.tmp", name,
                      process_id(), attempt);
        fd = open_exclusive(out.temp_name);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        report_failure("cannot create", name, std::strerror(errno));
        return nullptr;
    }
    std::FILE* stream = stream_of(fd);
    if (stream == nullptr) {
        report_failure("cannot create", name, std::strerror(errno));
        close_fd(fd);
        std::remove(out.temp_name);
        return nullptr;
    }
    // Include files arrive a row (a few KiB) at a time: a buffer larger
    // than the default keeps that to a handful of system calls per file.
    // Only one output is open at a time, so they share one buffer.
    static char buffer[1 << 16];
    std::setvbuf(stream, buffer, _IOFBF, sizeof buffer);
    out.name = name;
    ++staged_count;
    return stream;
}

// Writes n bytes to the output's temporary; false (reported) on failure.
bool write_output(std::FILE* stream, const char* name, const void* bytes, std::size_t n)
{
    if (std::fwrite(bytes, 1, n, stream) == n)
        return true;
    report_failure("cannot write", name, std::strerror(errno));
    return false;
}

// Flushes and closes the temporary; false (reported) if any write failed.
// written is false when a write_output call has already failed and said so.
bool end_output(std::FILE* stream, const char* name, bool written)
{
    if (!written) {
        std::fclose(stream);
        return false;
    }
    // A write error may surface only when the buffered bytes are flushed.
    if (std::fflush(stream) != 0 || std::ferror(stream)) {
        report_failure("cannot write", name, std::strerror(errno));
        std::fclose(stream);
        return false;
    }
    if (std::fclose(stream) != 0) {
        report_failure("cannot close", name, std::strerror(errno));
        return false;
    }
    return true;
}

// Moves every completed temporary over its output name, in order.
bool commit_outputs()
{
    // Refuse before anything is replaced: a directory cannot be replaced by
    // a file, so a failure while moving is as good as impossible.
    for (int k = 0; k < staged_count; ++k) {
        if (is_directory(staged[k].name)) {
            report_failure("cannot replace", staged[k].name, std::strerror(EISDIR));
            discard_outputs();
            return false;
        }
    }
    for (int k = 0; k < staged_count; ++k) {
        const char* reason = nullptr;
        if (!replace_file(staged[k].temp_name, staged[k].name, &reason)) {
            report_failure("cannot replace", staged[k].name, reason);
            // The ones already moved are complete; drop only the rest.
            for (int m = k; m < staged_count; ++m)
                std::remove(staged[m].temp_name);
            staged_count = 0;
            return false;
        }
    }
    staged_count = 0;
    return true;
}

// Removes every temporary that has not been moved into place.
void discard_outputs()
{
    for (int k = 0; k < staged_count; ++k)
        std::remove(staged[k].temp_name);
    staged_count = 0;
}
