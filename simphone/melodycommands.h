#pragma once

#include "commandgroup.h"

namespace simphone {

// The phone's own melody commands: the name of a slot, and writing a melody into one.
class MelodyCommands : public CommandGroup
{
public:
    std::optional<Reply> handle(const AtCommand &cmd, PhoneState &state) override;

private:
    static Reply readName(const AtCommand &cmd, const PhoneState &state);
    static Reply write(const AtCommand &cmd, PhoneState &state);
};

} // namespace simphone
