#include "platform/strings.h"

#include "platform/text.h"

#include <atomic>

namespace platform {

namespace {
std::atomic<IStringTable*> g_pTable{nullptr};
constexpr size_t kMaxLength = 254;
} // namespace

IStringTable* SetStringTable(IStringTable* table)
{
    return g_pTable.exchange(table);
}

std::string LoadResString(int nId)
{
    IStringTable* table = g_pTable.load();
    if (table == nullptr)
        return {};
    return FirstCharacters(table->Get(nId), kMaxLength);
}

} // namespace platform
