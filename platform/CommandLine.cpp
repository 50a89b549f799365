#include "platform/CommandLine.h"

namespace platform {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The program: quotes group, nothing escapes. Leaves `pos` after the piece.
std::string TakeProgram(std::string_view line, std::size_t& pos) {
    std::string program;
    bool quoted = false;
    for (; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == '"') {
            quoted = !quoted;
        } else if (IsBlank(c) && !quoted) {
            break;
        } else {
            program += c;
        }
    }
    return program;
}

// One argument starting at `pos` (not a blank). Leaves `pos` after the piece.
std::string TakeArgument(std::string_view line, std::size_t& pos) {
    std::string argument;
    bool quoted = false;
    while (pos < line.size()) {
        const char c = line[pos];
        if (c == '\\') {
            std::size_t count = 0;
            while (pos < line.size() && line[pos] == '\\') {
                ++count;
                ++pos;
            }
            if (pos < line.size() && line[pos] == '"') {
                argument.append(count / 2, '\\');
                if (count % 2 == 1) {
                    argument += '"';
                    ++pos;
                }
                // With an even count the quote is handled as a quote below.
            } else {
                argument.append(count, '\\');
            }
            continue;
        }
        if (c == '"') {
            if (quoted && pos + 1 < line.size() && line[pos + 1] == '"') {
                argument += '"';
                pos += 2;
                continue;
            }
            quoted = !quoted;
            ++pos;
            continue;
        }
        if (IsBlank(c) && !quoted) {
            break;
        }
        argument += c;
        ++pos;
    }
    return argument;
}

void SkipBlanks(std::string_view line, std::size_t& pos) {
    while (pos < line.size() && IsBlank(line[pos])) {
        ++pos;
    }
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
    std::vector<std::string> pieces;
    std::size_t pos = 0;
    SkipBlanks(commandLine, pos);
    if (pos == commandLine.size()) {
        return pieces;
    }
    pieces.push_back(TakeProgram(commandLine, pos));
    for (;;) {
        SkipBlanks(commandLine, pos);
        if (pos == commandLine.size()) {
            return pieces;
        }
        pieces.push_back(TakeArgument(commandLine, pos));
    }
}

std::string_view ArgumentText(std::string_view commandLine) {
    std::size_t pos = 0;
    SkipBlanks(commandLine, pos);
    TakeProgram(commandLine, pos);
    SkipBlanks(commandLine, pos);
    return commandLine.substr(pos);
}

}  // namespace platform
