#pragma once

#include "atcommand.h"
#include "phonestate.h"
#include "reply.h"

#include <optional>

namespace simphone {

// The commands of one area of the phone. handle() answers the commands of its area and
// leaves all others (empty result) to the next group.
class CommandGroup
{
public:
    virtual ~CommandGroup() = default;
    virtual std::optional<Reply> handle(const AtCommand &cmd, PhoneState &state) = 0;
};

} // namespace simphone
