#include "platform/ProgramFile.h"

#include <filesystem>

#include "platform/ProgramPath.h"

namespace platform {

std::string ReplaceFileExtension(const std::string& path, const std::string& extension) {
    const std::size_t separator = path.find_last_of("/\\");
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    const std::size_t dot = path.rfind('.');
    std::string result = path;
    // A dot that opens the name (".profile") belongs to the name, not to an extension.
    if (dot != std::string::npos && dot > nameStart) {
        result.erase(dot);
    }
    result += extension;
    return result;
}

std::string ProgramRelativePath(const std::string& extension) {
    return ReplaceFileExtension(ProgramPath(), extension);
}

std::string ProgramDataPath(const std::string& folder, const std::string& extension) {
    const std::string program = ProgramPath();
    const std::size_t separator = program.find_last_of("/\\");
    const std::string directory =
        separator == std::string::npos ? "." : program.substr(0, separator);
    const std::string name = ReplaceFileExtension(program.substr(separator + 1), extension);
    return std::filesystem::path(directory + "/" + folder + "/" + name).lexically_normal().string();
}

}  // namespace platform
