#include "platform/RuntimeRandom.h"

namespace platform {

CRuntimeRandom& RuntimeRandom() {
    static CRuntimeRandom generator;
    return generator;
}

}  // namespace platform
