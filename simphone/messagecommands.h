#pragma once

#include "commandgroup.h"

namespace simphone {

// Short messages in text mode: the storage, reading, deleting, sending and storing.
class MessageCommands : public CommandGroup
{
public:
    std::optional<Reply> handle(const AtCommand &cmd, PhoneState &state) override;

private:
    static Reply format(const AtCommand &cmd, PhoneState &state);
    static Reply storage(const AtCommand &cmd, const PhoneState &state);
    static Reply read(const AtCommand &cmd, PhoneState &state);
    static Reply list(const AtCommand &cmd, PhoneState &state);
    static Reply remove(const AtCommand &cmd, PhoneState &state);
    static Reply serviceCentre(const AtCommand &cmd, PhoneState &state);
    static Reply send(const AtCommand &cmd, PhoneState &state);
    static Reply store(const AtCommand &cmd, PhoneState &state);
    static Reply sendPdu(const AtCommand &cmd, PhoneState &state);
    static Reply storePdu(const AtCommand &cmd, PhoneState &state);
};

} // namespace simphone
