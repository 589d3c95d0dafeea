#pragma once

#include "commandgroup.h"

namespace simphone {

// The two phonebooks, the phone's own memory "ME" and the SIM card "SM", and the read-only
// lists other handsets have (dialled, received, missed calls, own numbers...).
class PhonebookCommands : public CommandGroup
{
public:
    static constexpr int maxNumberLength = 40;

    std::optional<Reply> handle(const AtCommand &cmd, PhoneState &state) override;

private:
    static Reply select(const AtCommand &cmd, PhoneState &state);
    static Reply read(const AtCommand &cmd, PhoneState &state);
    static Reply write(const AtCommand &cmd, PhoneState &state);
};

} // namespace simphone
