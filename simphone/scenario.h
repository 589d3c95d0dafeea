#pragma once

#include "faults.h"
#include "phonestate.h"

#include <QString>

#include <optional>

namespace simphone {

// Reads a scenario (JSON, see README.md) into a fresh state. On failure the state is
// left alone and error names the first thing wrong. The "line" key, when there, fills line.
bool readScenario(const QString &fileName, PhoneState &state, QString *error,
                  std::optional<LineBehaviour> *line = nullptr);

} // namespace simphone
