#pragma once

#include "commandgroup.h"

namespace simphone {

// The keypad relay and voice calls.
class CallCommands : public CommandGroup
{
public:
    // The keys this phone takes with AT+CKPD; upper-case letters are refused.
    static constexpr const char *keys = "0123456789*#<>^v[]sepc";

    std::optional<Reply> handle(const AtCommand &cmd, PhoneState &state) override;

private:
    static Reply pressKeys(const AtCommand &cmd, PhoneState &state);
    static Reply dial(const AtCommand &cmd, PhoneState &state);
    static Reply hangUp(const AtCommand &cmd, PhoneState &state);
};

} // namespace simphone
