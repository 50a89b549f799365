#include "setup/engine/RunObserver.h"

namespace setup {

namespace {

CRunObserver* g_pObserver = nullptr;

}  // namespace

CRunObserver& RunObserver() {
    static CRunObserver ignoresEverything;
    return g_pObserver ? *g_pObserver : ignoresEverything;
}

void SetRunObserver(CRunObserver* observer) {
    g_pObserver = observer;
}

}  // namespace setup
