#include "reply.h"

namespace simphone {

QByteArray frame(const QByteArray &line)
{
    return "\r\n" + line + "\r\n";
}

Reply Reply::ok(const QList<QByteArray> &information)
{
    Reply reply;
    reply.information = information;
    reply.result = "OK";
    return reply;
}

Reply Reply::error()
{
    return withResult("ERROR");
}

Reply Reply::cmeError(int code)
{
    return withResult("+CME ERROR: " + QByteArray::number(code));
}

Reply Reply::cmsError(int code)
{
    return withResult("+CMS ERROR: " + QByteArray::number(code));
}

Reply Reply::withResult(const QByteArray &line)
{
    Reply reply;
    reply.result = line;
    return reply;
}

Reply Reply::expectData(const QByteArray &prompt, DataHandler handler)
{
    Reply reply;
    reply.prompt = prompt;
    reply.takeData = std::move(handler);
    return reply;
}

QByteArray Reply::bytes(const QList<Insertion> &inserted) const
{
    const int blocks = static_cast<int>(information.size());
    QByteArray out;
    const auto insertAt = [&](int position) {
        for (const Insertion &insertion : inserted) {
            const bool last = insertion.afterBlock < 0 || insertion.afterBlock >= blocks;
            if (insertion.afterBlock == position || (last && position == blocks))
                out += insertion.bytes;
        }
    };
    for (int i = 0; i < blocks; ++i) {
        insertAt(i);
        out += frame(information.at(i));
    }
    insertAt(blocks);
    if (hasResult())
        out += frame(result);
    else
        out += prompt;
    return out;
}

} // namespace simphone
