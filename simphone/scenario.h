#pragma once

#include "simphone.h"

#include <QString>

namespace simphone {

// Reads a scenario (JSON, see README.md) into a fresh state. On failure the state is
// left alone and error names the first thing wrong.
bool readScenario(const QString &fileName, PhoneState &state, QString *error);

} // namespace simphone
