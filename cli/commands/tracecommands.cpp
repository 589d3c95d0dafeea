#include "commands.h"

#include "run.h"

#include "recording/linerecording.h"
#include "recording/recordinganonymizer.h"
#include "text/textfile.h"

#include <QCoreApplication>

namespace CommandLine {

int traceAnonymize(Run &run)
{
    QList<LineRecording::Record> records;
    QString error;
    if (!LineRecording::read(run.argument(0), &records, &error)) {
        printError(error);
        return UsageError;
    }
    QByteArray text = LineRecording::Header;
    for (const LineRecording::Record &record : RecordingAnonymizer().anonymize(records))
        text += LineRecording::format(record);
    if (!TextFile::writeBytes(run.argument(1), text, &error)) {
        printError(QCoreApplication::translate("CommandLine::TraceCommands", "%1 cannot be written: %2")
                       .arg(run.argument(1), error));
        return PhoneFailed;
    }
    return Success;
}

} // namespace CommandLine
