#pragma once

#include <QByteArray>
#include <QList>

#include <functional>

namespace simphone {

struct Reply;

// Called with the text taken after a prompt, without its closing Ctrl-Z or ESC.
using DataHandler = std::function<Reply(const QByteArray &data, bool cancelled)>;

// Bytes put into a reply as they stand: after information block afterBlock (0: before the
// first), or before the final result when afterBlock is negative or past the last block.
struct Insertion
{
    int afterBlock = -1;
    QByteArray bytes;
};

// What the phone answers to one command line, before framing.
struct Reply
{
    QList<QByteArray> information; // each framed "\r\n<block>\r\n"; a block may span lines
    QByteArray result;             // final result; empty while the command still takes data
    QByteArray prompt;             // sent instead of a result, and again after every CR of the data
    DataHandler takeData;          // set by the commands that read text after the command line

    static Reply ok(const QList<QByteArray> &information = {});
    static Reply error();
    static Reply cmeError(int code);
    static Reply cmsError(int code);
    static Reply withResult(const QByteArray &line);
    static Reply expectData(const QByteArray &prompt, DataHandler handler);

    bool hasResult() const { return !result.isEmpty(); }
    // The bytes on the line, with the insertions in their places.
    QByteArray bytes(const QList<Insertion> &inserted = {}) const;
};

QByteArray frame(const QByteArray &line);

} // namespace simphone
