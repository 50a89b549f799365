#pragma once

#include <sys/resource.h>
#include <unistd.h>

namespace testing_support {

// Lowers one resource limit of the process (setrlimit) for the object's lifetime:
// RLIMIT_FSIZE makes writes beyond it fail as on a full disk, RLIMIT_NOFILE at
// LowestFreeDescriptor() makes every attempt to open a file fail.
class CResourceLimit {
public:
    CResourceLimit(int resource, rlim_t value) : m_resource(resource) {
        ::getrlimit(m_resource, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = value;
        ::setrlimit(m_resource, &limit);
    }
    ~CResourceLimit() { ::setrlimit(m_resource, &m_old); }
    CResourceLimit(const CResourceLimit&) = delete;
    CResourceLimit& operator=(const CResourceLimit&) = delete;

    static rlim_t LowestFreeDescriptor() {
        const int descriptor = ::dup(0);
        return ::close(descriptor) == 0 ? static_cast<rlim_t>(descriptor) : 0;
    }

private:
    int m_resource;
    rlimit m_old{};
};

}  // namespace testing_support
