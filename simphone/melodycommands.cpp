#include "melodycommands.h"

#include "text/atfields.h"

namespace simphone {

namespace {

using Form = AtCommand::Form;

constexpr int invalidIndex = 21;

QByteArray slotRange(const PhoneState &state)
{
    return "(1-" + QByteArray::number(state.melodies.size()) + ')';
}

// The notes arrive as CR-ended lines; an empty line is a lone CR.
QList<QByteArray> noteLines(QByteArray data)
{
    QList<QByteArray> lines;
    if (data.isEmpty())
        return lines;
    if (data.endsWith('\r'))
        data.chop(1);
    for (QByteArray line : data.split('\r')) {
        if (line.startsWith('\n'))
            line.remove(0, 1);
        lines.append(line);
    }
    return lines;
}

} // namespace

std::optional<Reply> MelodyCommands::handle(const AtCommand &cmd, PhoneState &state)
{
    if (cmd.name == "~MMYR")
        return readName(cmd, state);
    if (cmd.name == "~MMYW")
        return write(cmd, state);
    return std::nullopt;
}

Reply MelodyCommands::readName(const AtCommand &cmd, const PhoneState &state)
{
    if (cmd.form == Form::Test)
        return Reply::ok({"~MMYR: " + slotRange(state)});
    if (cmd.form != Form::Set)
        return Reply::error();
    const auto fields = AtFields::split(cmd.argument);
    const auto slot = fields && fields->size() == 1 ? fields->at(0).toNumber() : std::nullopt;
    if (!slot)
        return Reply::error();
    if (*slot < 1 || *slot > state.melodies.size())
        return Reply::cmeError(invalidIndex);
    return Reply::ok(
        {"~MMYR: " + QByteArray::number(*slot) + ",\"" + state.melodies.at(*slot - 1).name + '"'});
}

Reply MelodyCommands::write(const AtCommand &cmd, PhoneState &state)
{
    if (cmd.form == Form::Test)
        return Reply::ok({"~MMYW: " + slotRange(state)});
    if (cmd.form != Form::Set)
        return Reply::error();
    const auto fields = AtFields::split(cmd.argument);
    if (!fields || fields->size() != 3 || !fields->at(1).quoted)
        return Reply::error();
    const auto slot = fields->at(0).toNumber();
    const auto tempo = fields->at(2).toNumber();
    if (!slot || !tempo || *slot < 1 || *slot > state.melodies.size())
        return Reply::error();

    // No prompt: the notes follow the command line at once.
    return Reply::expectData({}, [&state, slot = *slot, name = fields->at(1).text.toLatin1(),
                                  tempo = *tempo](const QByteArray &data, bool cancelled) {
        if (cancelled)
            return Reply::ok();
        Melody &melody = state.melodies[slot - 1];
        melody.name = name;
        melody.tempo = tempo;
        melody.lines = noteLines(data);
        return Reply::ok();
    });
}

} // namespace simphone
