#include "atcommand.h"

#include <cctype>

namespace simphone {

namespace {

bool isNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c));
}

} // namespace

std::optional<AtCommand> parseCommandLine(const QByteArray &line)
{
    const QByteArray trimmed = line.trimmed();
    if (trimmed.size() < 2 || trimmed.left(2).toUpper() != "AT")
        return std::nullopt;

    AtCommand cmd;
    cmd.line = line;
    const QByteArray rest = trimmed.mid(2);
    if (rest.isEmpty())
        return cmd;

    const char first = rest.at(0);
    if (first == '+' || first == '~' || first == '&' || first == '%' || first == '^' || first == '$') {
        int end = 1;
        while (end < rest.size() && isNameChar(rest.at(end)))
            ++end;
        cmd.name = rest.left(end).toUpper();
        const QByteArray tail = rest.mid(end);
        if (tail == "=?") {
            cmd.form = AtCommand::Form::Test;
        } else if (tail == "?") {
            cmd.form = AtCommand::Form::Query;
        } else if (tail.startsWith('=')) {
            cmd.form = AtCommand::Form::Set;
            cmd.argument = tail.mid(1);
        } else {
            cmd.argument = tail;
        }
        return cmd;
    }

    // Basic commands are one letter followed by their parameter: E0, H, D0171234;
    cmd.name = rest.left(1).toUpper();
    cmd.argument = rest.mid(1);
    if (cmd.argument == "?") {
        cmd.form = AtCommand::Form::Query;
        cmd.argument.clear();
    }
    return cmd;
}

} // namespace simphone
