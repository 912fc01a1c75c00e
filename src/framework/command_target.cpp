#include "command_target.h"

namespace fw {

const MessageMap CommandTarget::messageMap = {nullptr, nullptr, 0};

const MessageEntry* CommandTarget::FindEntry(UINT message, UINT id) const
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const MessageEntry& entry = map->entries[i];
            if (entry.message == message && entry.id == id)
                return &entry;
        }
    }
    return nullptr;
}

bool CommandTarget::ExecuteCommand(UINT id)
{
    const MessageEntry* entry = FindEntry(WM_COMMAND, id);
    if (!entry)
        return false;
    entry->thunk(*this, 0, 0);
    return true;
}

}  // namespace fw
