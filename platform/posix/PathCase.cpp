#include "platform/PathCase.h"

#include <sys/stat.h>

#include <string_view>
#include <vector>

#include "platform/DirectoryCache.h"

namespace platform {

namespace {

bool Exists(const std::string& path) {
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

bool IsSpecial(const std::string& component) {
    return component.empty() || component == "." || component == "..";
}

// A path taken apart at its '/': the leading "/" of an absolute path, then every
// component, empty ones included, so that joining them gives the path back.
struct CSplitPath {
    std::string root;
    std::vector<std::string> components;
};

CSplitPath Split(const std::string& path, std::string root = std::string()) {
    CSplitPath split;
    split.root = std::move(root);
    std::size_t pos = 0;
    if (split.root.empty() && path[0] == '/') {
        split.root.assign(1, '/');  // (a literal trips a GCC 12 false -Wrestrict)
        pos = 1;
    }
    for (;;) {
        const std::size_t end = path.find('/', pos);
        split.components.push_back(path.substr(pos, end - pos));
        if (end == std::string::npos) {
            break;
        }
        pos = end + 1;
    }
    return split;
}

std::string Join(const std::string& prefix, std::size_t index, const std::string& name) {
    return index == 0 ? prefix + name : prefix + "/" + name;
}

class CResolver {
public:
    CResolver(const CSplitPath& split, CDirectoryCache& cache) : m_split(split), m_cache(cache) {}

    // Tries every choice for the components from `index` on below `prefix`.
    bool Search(const std::string& prefix, std::size_t index, std::string& result) {
        const std::vector<std::string>& components = m_split.components;
        if (!m_bReached || index > m_nDeepest) {
            m_bReached = true;
            m_nDeepest = index;
            m_strDeepest = prefix;
        }
        if (index == components.size()) {
            result = prefix;
            return Exists(prefix);
        }
        const std::string& component = components[index];
        if (IsSpecial(component)) {
            return Search(Join(prefix, index, component), index + 1, result);
        }
        const std::string exact = Join(prefix, index, component);
        if (Exists(exact) && Search(exact, index + 1, result)) {
            return true;
        }
        // Copied: a deeper search may read other directories into the cache.
        const std::vector<std::string> variants = m_cache.MatchesIgnoringCase(prefix, component);
        for (const std::string& variant : variants) {
            if (variant != component && Search(Join(prefix, index, variant), index + 1, result)) {
                return true;
            }
        }
        return false;
    }

    // Without a whole match: the first choice, in the order tried, that resolves the
    // most components, with the rest kept as given.
    std::string Deepest() const {
        std::string resolved = m_strDeepest;
        for (std::size_t index = m_nDeepest; index < m_split.components.size(); ++index) {
            resolved = Join(resolved, index, m_split.components[index]);
        }
        return resolved;
    }

private:
    const CSplitPath& m_split;
    CDirectoryCache& m_cache;
    bool m_bReached = false;
    std::size_t m_nDeepest = 0;  // components resolved by the deepest choice so far
    std::string m_strDeepest;
};

std::string Resolve(const CSplitPath& split, CDirectoryCache& cache) {
    CResolver resolver(split, cache);
    std::string result;
    if (resolver.Search(split.root, 0, result)) {
        return result;
    }
    return resolver.Deepest();
}

}  // namespace

std::string ResolveExistingCase(const std::string& path, CDirectoryCache& cache) {
    if (path.empty() || Exists(path)) {
        return path;
    }
    return Resolve(Split(path), cache);
}

std::string ResolveExistingCaseBelow(const std::string& base, const std::string& relative,
                                     CDirectoryCache& cache) {
    const std::string root = base.empty() || base.back() == '/' ? base : base + "/";
    const std::string path = root + relative;
    if (relative.empty() || Exists(path)) {
        return path;
    }
    return Resolve(Split(relative, root), cache);
}

std::string ResolveExistingCase(const std::string& path) {
    CDirectoryCache cache;
    return ResolveExistingCase(path, cache);
}

}  // namespace platform
