#include "commandline.h"

#include "programinfo.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(ProgramInfo::name());
    QCoreApplication::setApplicationName(ProgramInfo::name());
    QCoreApplication::setApplicationVersion(ProgramInfo::version());
    return CommandLine::run(QCoreApplication::arguments());
}
