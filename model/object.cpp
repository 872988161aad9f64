#include "model/object.h"

namespace {
std::atomic<int32_t> g_nLastId{1};
}

int32_t NextObjectId()
{
    return g_nLastId.fetch_add(1) + 1;
}
