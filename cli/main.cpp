#include "commandline.h"

#include "link/language.h"
#include "link/settings.h"
#include "programinfo.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(ProgramInfo::name());
    QCoreApplication::setApplicationName(ProgramInfo::name());
    QCoreApplication::setApplicationVersion(ProgramInfo::version());
    // Before any text is made: the help builds its texts when first asked.
    Language::install(app, Settings().keepEnglish());
    return CommandLine::run(QCoreApplication::arguments());
}
