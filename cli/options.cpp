#include "options.h"

namespace CommandLine {

const Options &options()
{
    static const Options all;
    return all;
}

QList<QCommandLineOption> valueOptions()
{
    const Options &o = options();
    return {o.device, o.baud, o.trace, o.memory, o.name, o.number, o.index, o.to, o.smsc, o.slot};
}

} // namespace CommandLine
