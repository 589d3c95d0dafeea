#pragma once

#include "phonesession.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

namespace CommandLine {

struct Command;

// One command being run: its parsed command line and, once asked for, the phone.
class Run
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine::Run)

public:
    Run(const Command &command, const QCommandLineParser &parser);

    QString argument(int i) const { return arguments_.value(i); }
    bool isSet(const QCommandLineOption &option) const { return parser_.isSet(option); }
    QString value(const QCommandLineOption &option) const { return parser_.value(option); }

    bool interrupted() const { return session_ && session_->interrupt.happened(); }

    // The phone, greeted; nothing when it is not there or the run cannot begin (the reason is
    // on stderr, the exit code in failure()). A phone that lacks the commands of a tab
    // (TabLoader::Tab) the command needs says why.
    PhoneSession *phone(int tab = 0);
    int failure() const { return failure_; }

    int usage(const QString &problem) const;

    // A whole number from low to high, or the usage error problem: a sentence in which %1 and
    // %2 stand for low and high, %3 for text.
    bool number(const QString &text, const QString &problem, int low, int high, int *result,
                int *exitCode) const;

private:
    const Command &command_;
    const QCommandLineParser &parser_;
    QStringList arguments_;
    std::unique_ptr<PhoneSession> session_;
    int failure_ = Success;
};

// A number as a phone takes it: digits, "*", "#", and a "+" in front.
bool isDialable(const QString &number);

} // namespace CommandLine
