#pragma once

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QList>

namespace CommandLine {

// Every option of quenda-cli; each command's entry in the table names the ones it takes.
// Made on the first call of options(), after main has installed the translations. The names of
// the options, and the values scripts pass (sim, phone), stay as they are in every language.
struct Options
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine::Options)

public:
    QCommandLineOption device{QStringLiteral("device"), tr("The serial device of the phone."),
                              //: The value of --device: a path such as /dev/ttyUSB0.
                              tr("PATH")};
    QCommandLineOption baud{QStringLiteral("baud"),
                            tr("The line's speed in bit/s (default: as the window keeps it, 38400)."),
                            tr("N", "the value of an option: a number")};
    //: Yes is the answer to the program's questions.
    QCommandLineOption yes{QStringLiteral("yes"), tr("Answer Yes to every question.")};
    QCommandLineOption trace{QStringLiteral("trace"),
                             //: FILE is the option's value, as the help names it after --trace.
                             tr("Record every byte on the line, and what happened, in FILE."),
                             //: The value of an option: a file's name.
                             tr("FILE")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, tr("Show this help.")};
    QCommandLineOption json{QStringLiteral("json"), tr("Print a JSON document.")};
    QCommandLineOption memory{QStringLiteral("memory"),
                              //: sim and phone are the values to type after --memory: keep them as they are.
                              tr("The phonebook memory: sim or phone (default: as the window last "
                                 "chose)."),
                              QStringLiteral("sim|phone")};
    QCommandLineOption name{QStringLiteral("name"), tr("The contact's name."),
                            tr("N", "the value of --name: a name")};
    QCommandLineOption number{QStringLiteral("number"), tr("The contact's number."),
                              tr("X", "the value of --number: a phone number")};
    QCommandLineOption index{QStringLiteral("index"),
                             tr("The SIM place to write to (default: the lowest free one)."),
                             tr("I", "the value of --index: a place on the SIM card")};
    QCommandLineOption to{QStringLiteral("to"), tr("The recipient's number."),
                          //: The value of an option: a phone number.
                          tr("NUMBER")};
    QCommandLineOption smsc{QStringLiteral("smsc"),
                            tr("The service centre's number (default: the one the window keeps)."),
                            tr("NUMBER")};
    QCommandLineOption slot{
        QStringLiteral("slot"),
        //: ringtones list is a command of quenda-cli: keep it as it is.
        tr("The phone's melody slot to replace: 1 to 16, as ringtones list numbers them."),
        tr("N", "the value of an option: a number")};
    QCommandLineOption raise{
        QStringLiteral("raise"),
        //: Increase Tone Height is the caption of the check box on the window's Ringtones tab.
        tr("Increase Tone Height: one octave up, when the melody allows it.")};
};

const Options &options();

// The options followed by a value, which is then no word of the command.
QList<QCommandLineOption> valueOptions();

} // namespace CommandLine
