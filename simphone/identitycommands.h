#pragma once

#include "commandgroup.h"

namespace simphone {

// The bare "AT", echo and reset, who the phone is, its network and its battery.
class IdentityCommands : public CommandGroup
{
public:
    std::optional<Reply> handle(const AtCommand &cmd, PhoneState &state) override;

private:
    static Reply echo(const AtCommand &cmd, PhoneState &state);
    static Reply reset(const AtCommand &cmd, PhoneState &state);
    static Reply characterSet(const AtCommand &cmd, PhoneState &state);
    static Reply errorReports(const AtCommand &cmd, PhoneState &state);
    static Reply registration(const AtCommand &cmd, PhoneState &state);
    static Reply networkOperator(const AtCommand &cmd, PhoneState &state);
    static Reply battery(const AtCommand &cmd, const PhoneState &state);
    static Reply signalQuality(const AtCommand &cmd, const PhoneState &state);
};

} // namespace simphone
