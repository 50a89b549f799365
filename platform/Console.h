#pragma once

#include <string>
#include <string_view>

#include "platform/SystemHandle.h"

namespace platform {

// The terminal a program without windows runs in, the streams it writes its log to,
// and the signals by which a person or a service manager asks it to stop.

// Called first by a program without windows. Each of standard input, output and
// error that is closed is opened on /dev/null, so that no file opened later takes
// its number (and receives what is meant for the stream). SIGPIPE is ignored: a
// write to a pipe whose reader has gone fails like any other write instead of ending
// the program half-way through its work.
void PrepareStandardStreams();

// True when standard error is a terminal: a progress line that redraws itself is for
// a person watching, never for a log file or a pipe.
bool StandardErrorIsTerminal();

// Writes `text` whole to standard error; false when it could not (the reader of the
// pipe gone, the terminal closed, the disk full).
bool WriteToStandardError(std::string_view text);

// A log file that is appended to line by line, each line handed to the system at
// once, so that a program that is killed leaves its log up to its last step.
class CLogFile {
public:
    CLogFile() = default;
    ~CLogFile();
    CLogFile(const CLogFile&) = delete;
    CLogFile& operator=(const CLogFile&) = delete;

    // Opens host path `path` for appending, creating it when absent. False when it
    // cannot be written or is no regular file: a FIFO, a device or a folder is
    // refused at once, and the open never waits for a FIFO's reader.
    bool Open(const std::string& path);

    bool IsOpen() const { return m_hFile != kNoHandle; }

    // Appends `text` whole; false when it could not be written (the disk full).
    bool Write(std::string_view text);

private:
    CSystemHandle m_hFile = kNoHandle;
};

// From now on SIGINT, SIGTERM and SIGHUP only note the request; the program stops at
// a point of its own choosing, where stopping leaves nothing half done. A closed
// terminal (SIGHUP) is a request to stop like any other: ending at once would leave
// half an installation behind.
void CatchInterrupts();

// Whether SIGINT, SIGTERM or SIGHUP arrived since CatchInterrupts.
bool InterruptRequested();

}  // namespace platform
