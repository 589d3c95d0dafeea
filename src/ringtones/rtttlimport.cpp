#include "rtttlimport.h"

#include "rtttl.h"

#include "link/userinterfaces.h"
#include "text/textfile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString Title = QStringLiteral("Import RTTTL");

QString written(const RtttlConversion &conversion)
{
    QString text = QStringLiteral("%1, %2 note%3, tempo %4")
                       .arg(conversion.fileName)
                       .arg(conversion.notes)
                       .arg(conversion.notes == 1 ? QString() : QStringLiteral("s"))
                       .arg(conversion.tempo);
    for (const QString &remark : conversion.remarks)
        text += QStringLiteral("; ") + remark;
    return text;
}

QString outcome(const RtttlConversion &conversion, const QString &folder, MessageBoxes &boxes)
{
    if (!conversion.converted())
        return QStringLiteral("not converted: ") + conversion.failure;
    const QString path = QDir(folder).filePath(conversion.fileName);
    if (QFileInfo::exists(path) &&
        !boxes.ask(QStringLiteral("%1 already exists. Replace it?").arg(conversion.fileName), Title))
        return conversion.fileName + QStringLiteral(" already exists and was kept");
    QString error;
    if (!TextFile::writeLines(path, conversion.melodyLines, &error))
        return conversion.fileName + QStringLiteral(" could not be written: ") + error;
    return written(conversion);
}

} // namespace

QStringList ImportRtttl(const QString &text, const QString &folder, MessageBoxes &boxes)
{
    QStringList report;
    for (const RtttlConversion &conversion : Rtttl::convertText(text)) {
        const QString name =
            conversion.name.isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(conversion.name.left(40));
        report.append(QStringLiteral("Line %1%2: ").arg(conversion.line).arg(name) +
                      outcome(conversion, folder, boxes));
    }
    if (report.isEmpty())
        report.append(QStringLiteral("No RTTTL ringtone found."));
    return report;
}
