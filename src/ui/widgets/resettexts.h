#pragma once

#include <QList>
#include <QString>

// The texts controls show again when an operation starts, by control name: the one table the
// program state and the SMS tab share.
namespace ResetTexts {

struct Entry
{
    QString name;
    const char *text; // untranslated, context "ResetTexts"

    // The text as the control shows it.
    QString shown() const;
};

const QList<Entry> &table();
// The text of the control named name; empty for one without.
QString of(const QString &name);

} // namespace ResetTexts
