#pragma once

#include "commandgroup.h"

namespace simphone {

// Short messages in text mode: the storage, reading, deleting, sending and storing.
class MessageCommands : public CommandGroup
{
public:
    std::optional<Reply> handle(const AtCommand &cmd, PhoneState &state) override;

    // A message that came in from the network, stored in the first free slot; the code the
    // phone sends for it as its indications are set ("+CMTI: "SM",3"), empty when none or full.
    static QByteArray deliver(PhoneState &state, const Message &message);

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
    static Reply indications(const AtCommand &cmd, PhoneState &state);
};

} // namespace simphone
