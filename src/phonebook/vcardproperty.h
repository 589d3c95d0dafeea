#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One logical line of a vCard taken apart, and its value turned into text.
namespace VCard {

struct Property
{
    QByteArray name;         // upper case, without its group
    QList<QByteArray> types; // upper case: TYPE values and bare parameters (2.1)
    QByteArray charset;
    bool quotedPrintable = false;
    QByteArray value; // as in the file
};

// [group "."] name *(";" parameter) ":" value. None for a line without a colon.
std::optional<Property> parseProperty(const QByteArray &line);

// The value with its quoted-printable undone, in the declared character set when Qt knows it
// and the bytes fit it; otherwise UTF-8, and Windows-1252 for bytes that are not UTF-8 (old
// files written without CHARSET). Escapes stay.
QString decodedText(const Property &property);

// Splits at separator where no "\" escapes it; the parts keep their escapes.
QStringList splitUnescaped(const QString &text, QChar separator);
// The escapes of a text value undone; a "\" before anything else stays (a path, say).
QString unescaped(const QString &text);

} // namespace VCard
