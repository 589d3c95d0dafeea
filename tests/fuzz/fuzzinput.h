#pragma once

#include "text/cp1252.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// The fuzzer's bytes as the line or a file would hand them over: one Windows-1252 character
// per byte.
inline QString lineText(const uint8_t *data, size_t size)
{
    return Cp1252::decode(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
}
