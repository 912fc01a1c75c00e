// Anything that answers messages or commands through a message map.
#pragma once

#include "message_map.h"

namespace fw {

class CommandTarget {
public:
    virtual ~CommandTarget() = default;

    // The entry for the message (and, for WM_COMMAND, the id) in this object's map or its bases'.
    const MessageEntry* FindEntry(UINT message, UINT id) const;
    bool HasCommandHandler(UINT id) const { return FindEntry(WM_COMMAND, id) != nullptr; }
    // Runs the command's handler when there is one.
    bool ExecuteCommand(UINT id);

    static const MessageMap messageMap;

protected:
    virtual const MessageMap* GetMessageMap() const { return &messageMap; }
};

}  // namespace fw
