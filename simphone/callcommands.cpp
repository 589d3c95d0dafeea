#include "callcommands.h"

#include "text/atfields.h"

#include <cstring>

namespace simphone {

namespace {

using Form = AtCommand::Form;

bool isKnownKey(char c)
{
    return c != '\0' && std::strchr(CallCommands::keys, c) != nullptr;
}

} // namespace

std::optional<Reply> CallCommands::handle(const AtCommand &cmd, PhoneState &state)
{
    if (cmd.name == "+CKPD")
        return pressKeys(cmd, state);
    if (cmd.name == "D")
        return dial(cmd, state);
    if (cmd.name == "H")
        return hangUp(cmd, state);
    return std::nullopt;
}

Reply CallCommands::pressKeys(const AtCommand &cmd, PhoneState &state)
{
    if (cmd.form == Form::Test)
        return Reply::ok({"+CKPD: (" + QByteArray(keys) + "),(0-255),(0-255)"});
    if (cmd.form != Form::Set)
        return Reply::error();
    const auto fields = AtFields::split(cmd.argument);
    if (!fields || fields->isEmpty() || fields->size() > 3 || !fields->at(0).quoted)
        return Reply::error();
    const QByteArray pressed = fields->at(0).text.toLatin1();
    if (pressed.isEmpty())
        return Reply::error();
    for (char c : pressed) {
        if (!isKnownKey(c))
            return Reply::error();
    }
    for (int i = 1; i < fields->size(); ++i) {
        const auto tenths = fields->at(i).toNumber();
        if (!tenths || *tenths < 0 || *tenths > 255)
            return Reply::error();
    }
    state.keysPressed.append(cmd.argument);
    return Reply::ok();
}

Reply CallCommands::dial(const AtCommand &cmd, PhoneState &state)
{
    const bool voice = cmd.argument.endsWith(';');
    const QByteArray number = voice ? cmd.argument.chopped(1) : cmd.argument;
    state.dialled.append(number);
    if (number.isEmpty())
        return Reply::error();
    if (!voice)
        return Reply::withResult("NO CARRIER"); // a data call, which this phone has no line for
    return Reply::ok();
}

Reply CallCommands::hangUp(const AtCommand &cmd, PhoneState &state)
{
    if (!cmd.argument.isEmpty() && cmd.argument != "0")
        return Reply::error();
    ++state.hangups;
    return Reply::ok();
}

} // namespace simphone
