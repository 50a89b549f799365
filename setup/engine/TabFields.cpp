#include "setup/engine/TabFields.h"

namespace setup {

std::vector<std::string> TabFields(const std::string& line, int count) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (int i = 0; i < count; ++i) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string::npos) {
            break;
        }
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

}  // namespace setup
