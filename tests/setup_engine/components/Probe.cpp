// A program for the installer to start. It writes one record, "name|cwd|arg|arg...",
// with one write to the file (or FIFO) that POST_COPY_PROBE_LOG names, so records of
// several probes never interleave. An argument "hold:PATH" makes it then wait until
// the FIFO PATH has no writer left: a program that runs on after it was started.
#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    const char* log = std::getenv("POST_COPY_PROBE_LOG");
    if (log == nullptr) {
        return 2;
    }
    const char* slash = std::strrchr(argv[0], '/');
    std::string record = slash ? slash + 1 : argv[0];
    char cwd[PATH_MAX];
    record += '|';
    record += ::getcwd(cwd, sizeof cwd) ? cwd : "?";
    for (int i = 1; i < argc; ++i) {
        record += '|';
        record += argv[i];
    }
    record += '\n';
    const int fd = ::open(log, O_WRONLY | O_APPEND);
    if (fd < 0 ||
        ::write(fd, record.data(), record.size()) != static_cast<ssize_t>(record.size())) {
        return 3;
    }
    ::close(fd);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "hold:", 5) == 0) {
            const int hold = ::open(argv[i] + 5, O_RDONLY);
            char byte;
            while (hold >= 0 && ::read(hold, &byte, 1) > 0) {
            }
        }
    }
    return 0;
}
