#include "identitycommands.h"

#include "text/atfields.h"

namespace simphone {

namespace {

using Form = AtCommand::Form;

// AT+CGMI and its kin: one line of text, nothing to set.
Reply identityLine(const AtCommand &cmd, const PhoneState &state, const QByteArray &value)
{
    if (cmd.form == Form::Test)
        return Reply::ok();
    if (cmd.form != Form::Action || !cmd.argument.isEmpty() || value.isEmpty())
        return Reply::error();
    return Reply::ok({state.identityPrefixed ? cmd.name + ": " + value : value});
}

bool isRegistered(const PhoneState &state)
{
    return state.registration == 1 || state.registration == 5;
}

} // namespace

std::optional<Reply> IdentityCommands::handle(const AtCommand &cmd, PhoneState &state)
{
    if (cmd.name.isEmpty())
        return Reply::ok();
    if (cmd.name == "E")
        return echo(cmd, state);
    if (cmd.name == "Z")
        return reset(cmd, state);
    if (cmd.name == "+CGMI")
        return identityLine(cmd, state, state.manufacturer);
    if (cmd.name == "+CGMM")
        return identityLine(cmd, state, state.model);
    if (cmd.name == "+CGMR")
        return identityLine(cmd, state, state.revision);
    if (cmd.name == "+CGSN")
        return identityLine(cmd, state, state.imei);
    if (cmd.name == "+CIMI")
        return identityLine(cmd, state, state.imsi);
    if (cmd.name == "+CMEE")
        return errorReports(cmd, state);
    if (cmd.name == "+CSCS")
        return characterSet(cmd, state);
    if (cmd.name == "+CREG")
        return registration(cmd, state);
    if (cmd.name == "+COPS")
        return networkOperator(cmd, state);
    if (cmd.name == "+CBC")
        return battery(cmd, state);
    if (cmd.name == "+CSQ")
        return signalQuality(cmd, state);
    return std::nullopt;
}

Reply IdentityCommands::echo(const AtCommand &cmd, PhoneState &state)
{
    if (cmd.argument.isEmpty() || cmd.argument == "0")
        state.echo = state.echoStuck;
    else if (cmd.argument == "1")
        state.echo = true;
    else
        return Reply::error();
    return Reply::ok();
}

Reply IdentityCommands::reset(const AtCommand &cmd, PhoneState &state)
{
    if (!cmd.argument.isEmpty() && cmd.argument != "0")
        return Reply::error();
    state.echo = true;
    state.cregMode = 0;
    return Reply::ok();
}

Reply IdentityCommands::characterSet(const AtCommand &cmd, PhoneState &state)
{
    switch (cmd.form) {
    case Form::Test: {
        QByteArray list;
        for (const QByteArray &set : state.characterSets)
            list += (list.isEmpty() ? "\"" : ",\"") + set + "\"";
        return Reply::ok({"+CSCS: (" + list + ")"});
    }
    case Form::Query:
        return Reply::ok({"+CSCS: \"" + state.charset + "\""});
    case Form::Set: {
        const auto fields = AtFields::split(cmd.argument);
        if (!fields || fields->size() != 1 || !fields->at(0).quoted)
            return Reply::error();
        const QByteArray set = fields->at(0).text.toLatin1().toUpper();
        if (!state.characterSets.contains(set))
            return Reply::error();
        state.charset = set;
        return Reply::ok();
    }
    case Form::Action:
        break;
    }
    return Reply::error();
}

Reply IdentityCommands::errorReports(const AtCommand &cmd, PhoneState &state)
{
    switch (cmd.form) {
    case Form::Test:
        return Reply::ok({"+CMEE: (0-2)"});
    case Form::Query:
        return Reply::ok({"+CMEE: " + QByteArray::number(state.errorReports)});
    case Form::Set: {
        const auto fields = AtFields::split(cmd.argument);
        const auto mode = fields && fields->size() == 1 ? fields->at(0).toNumber() : std::nullopt;
        if (!mode || *mode < 0 || *mode > 2)
            return Reply::error();
        state.errorReports = *mode;
        return Reply::ok();
    }
    case Form::Action:
        break;
    }
    return Reply::error();
}

Reply IdentityCommands::registration(const AtCommand &cmd, PhoneState &state)
{
    switch (cmd.form) {
    case Form::Test:
        return Reply::ok({"+CREG: (0-2)"});
    case Form::Query: {
        QByteArray line =
            "+CREG: " + QByteArray::number(state.cregMode) + ',' + QByteArray::number(state.registration);
        if (state.cregMode == 2 && isRegistered(state))
            line += ",\"" + state.lac + "\",\"" + state.cellId + '"';
        return Reply::ok({line});
    }
    case Form::Set: {
        const auto fields = AtFields::split(cmd.argument);
        const auto mode = fields && fields->size() == 1 ? fields->at(0).toNumber() : std::nullopt;
        if (!mode || *mode < 0 || *mode > 2)
            return Reply::error();
        state.cregMode = *mode;
        return Reply::ok();
    }
    case Form::Action:
        break;
    }
    return Reply::error();
}

Reply IdentityCommands::networkOperator(const AtCommand &cmd, PhoneState &state)
{
    switch (cmd.form) {
    case Form::Test:
        return Reply::ok({"+COPS: (2,\"" + state.operatorName + "\",\"\",\"" + state.operatorNumeric +
                          "\"),,(0-4),(0-2)"});
    case Form::Query: {
        if (state.operatorName.isEmpty() || !isRegistered(state))
            return Reply::ok({"+COPS: 0"});
        const QByteArray name = state.copsFormat == 2 ? state.operatorNumeric : state.operatorName;
        return Reply::ok({"+COPS: 0," + QByteArray::number(state.copsFormat) + ",\"" + name + '"'});
    }
    case Form::Set: {
        const auto fields = AtFields::split(cmd.argument);
        if (!fields || fields->isEmpty())
            return Reply::error();
        const auto mode = fields->at(0).toNumber();
        if (mode == 0 && fields->size() == 1)
            return Reply::ok();
        // Only the format of the reply can be chosen; the phone stays on automatic selection.
        const auto format = fields->size() == 2 ? fields->at(1).toNumber() : std::nullopt;
        if (mode != 3 || !format || *format < 0 || *format > 2)
            return Reply::error();
        state.copsFormat = *format;
        return Reply::ok();
    }
    case Form::Action:
        break;
    }
    return Reply::error();
}

Reply IdentityCommands::battery(const AtCommand &cmd, const PhoneState &state)
{
    if (cmd.form == Form::Test)
        return Reply::ok({"+CBC: (0-3),(0-3)"});
    if (cmd.form != Form::Action || !cmd.argument.isEmpty())
        return Reply::error();
    QByteArray line =
        "+CBC: " + QByteArray::number(state.batteryStatus) + ',' + QByteArray::number(state.batteryLevel);
    if (state.batteryMillivolts > 0)
        line += ',' + QByteArray::number(state.batteryMillivolts);
    return Reply::ok({line});
}

Reply IdentityCommands::signalQuality(const AtCommand &cmd, const PhoneState &state)
{
    if (cmd.form == Form::Test)
        return Reply::ok({"+CSQ: (0-31,99),(0-7,99)"});
    if (cmd.form != Form::Action || !cmd.argument.isEmpty())
        return Reply::error();
    return Reply::ok({"+CSQ: " + QByteArray::number(state.signalStrength) + ",99"});
}

} // namespace simphone
