#include "rtttlimport.h"

#include "rtttl.h"

#include "link/userinterfaces.h"
#include "text/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString title()
{
    return QCoreApplication::translate("RtttlImport", "Import RTTTL");
}

QString written(const RtttlConversion &conversion)
{
    QString text = conversion.notes == 1
                       ? QCoreApplication::translate("RtttlImport", "%1, 1 note, tempo %2")
                             .arg(conversion.fileName, QString::number(conversion.tempo))
                       : QCoreApplication::translate("RtttlImport", "%1, %2 notes, tempo %3")
                             .arg(conversion.fileName, QString::number(conversion.notes),
                                  QString::number(conversion.tempo));
    for (const QString &remark : conversion.remarks)
        text += QStringLiteral("; ") + remark;
    return text;
}

QString outcome(const RtttlConversion &conversion, const QString &folder, MessageBoxes &boxes)
{
    if (!conversion.converted())
        return QCoreApplication::translate("RtttlImport", "not converted: %1").arg(conversion.failure);
    const QString path = QDir(folder).filePath(conversion.fileName);
    if (QFileInfo::exists(path) &&
        !boxes.ask(QCoreApplication::translate("RtttlImport", "%1 already exists. Replace it?")
                       .arg(conversion.fileName),
                   title()))
        return QCoreApplication::translate("RtttlImport", "%1 already exists and was kept")
            .arg(conversion.fileName);
    QString error;
    if (!TextFile::writeLines(path, conversion.melodyLines, &error))
        return QCoreApplication::translate("RtttlImport", "%1 could not be written: %2")
            .arg(conversion.fileName, error);
    return written(conversion);
}

} // namespace

QStringList ImportRtttl(const QString &text, const QString &folder, MessageBoxes &boxes)
{
    QStringList report;
    for (const RtttlConversion &conversion : Rtttl::convertText(text)) {
        const QString line = QString::number(conversion.line);
        const QString result = outcome(conversion, folder, boxes);
        report.append(conversion.name.isEmpty()
                          ? QCoreApplication::translate("RtttlImport", "Line %1: %2").arg(line, result)
                          : QCoreApplication::translate("RtttlImport", "Line %1 \"%2\": %3")
                                .arg(line, conversion.name.left(40), result));
    }
    if (report.isEmpty())
        report.append(QCoreApplication::translate("RtttlImport", "No RTTTL ringtone found."));
    return report;
}
