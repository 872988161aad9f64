#include "model/object.h"

namespace {
std::atomic<int32_t> g_nLastId{1};
}

int32_t NextObjectId()
{
    // The atomic wraps at the top of the range; adding the 1 unsigned keeps that defined.
    return static_cast<int32_t>(static_cast<uint32_t>(g_nLastId.fetch_add(1)) + 1u);
}

void RaiseObjectIdsPast(int32_t nId)
{
    int32_t last = g_nLastId.load();
    // The counter holds the identity handed out last, so it only has to reach nId.
    while (last < nId && !g_nLastId.compare_exchange_weak(last, nId)) {
    }
}
