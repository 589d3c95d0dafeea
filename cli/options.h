#pragma once

#include <QCommandLineOption>
#include <QList>

namespace CommandLine {

// Every option of quenda-cli; each command's entry in the table names the ones it takes.
struct Options
{
    QCommandLineOption device{QStringLiteral("device"), QStringLiteral("The serial device of the phone."),
                              QStringLiteral("PATH")};
    QCommandLineOption baud{
        QStringLiteral("baud"),
        QStringLiteral("The line's speed in bit/s (default: as the window keeps it, 38400)."),
        QStringLiteral("N")};
    QCommandLineOption yes{QStringLiteral("yes"), QStringLiteral("Answer Yes to every question.")};
    QCommandLineOption trace{QStringLiteral("trace"),
                             QStringLiteral("Record every byte on the line, and what happened, in FILE."),
                             QStringLiteral("FILE")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")};
    QCommandLineOption json{QStringLiteral("json"), QStringLiteral("Print a JSON document.")};
    QCommandLineOption memory{
        QStringLiteral("memory"),
        QStringLiteral("The phonebook memory: sim or phone (default: as the window last "
                       "chose)."),
        QStringLiteral("sim|phone")};
    QCommandLineOption name{QStringLiteral("name"), QStringLiteral("The contact's name."),
                            QStringLiteral("N")};
    QCommandLineOption number{QStringLiteral("number"), QStringLiteral("The contact's number."),
                              QStringLiteral("X")};
    QCommandLineOption index{QStringLiteral("index"),
                             QStringLiteral("The SIM place to write to (default: the lowest free one)."),
                             QStringLiteral("I")};
    QCommandLineOption to{QStringLiteral("to"), QStringLiteral("The recipient's number."),
                          QStringLiteral("NUMBER")};
    QCommandLineOption smsc{
        QStringLiteral("smsc"),
        QStringLiteral("The service centre's number (default: the one the window keeps)."),
        QStringLiteral("NUMBER")};
    QCommandLineOption slot{
        QStringLiteral("slot"),
        QStringLiteral("The phone's melody slot to replace: 1 to 16, as ringtones list numbers them."),
        QStringLiteral("N")};
    QCommandLineOption raise{
        QStringLiteral("raise"),
        QStringLiteral("Increase Tone Height: one octave up, when the melody allows it.")};
};

const Options &options();

// The options followed by a value, which is then no word of the command.
QList<QCommandLineOption> valueOptions();

} // namespace CommandLine
