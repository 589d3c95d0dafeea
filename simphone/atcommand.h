#pragma once

#include <QByteArray>

#include <optional>

namespace simphone {

// One command line cut into name, form and argument. Names compare in upper case;
// arguments keep their case because they carry numbers, names and texts.
struct AtCommand
{
    enum class Form
    {
        Action, // AT+CGMI, ATH, ATD123;
        Set,    // AT+CPBR=1,10
        Query,  // AT+CREG?
        Test,   // AT+CPBW=?
    };

    QByteArray line; // as received, without its CR
    QByteArray name; // "+CPBR", "~MMYW", "E", "D"; empty for a bare "AT"
    Form form = Form::Action;
    QByteArray argument; // after '=' for extended commands, after the letter for basic ones
};

// Empty when the line does not begin with "AT".
std::optional<AtCommand> parseCommandLine(const QByteArray &line);

} // namespace simphone
