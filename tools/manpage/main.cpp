// quenda-manpage: writes a manual page (roff) from what the repository already says, so that
// the pages are never kept twice by hand.
//
//   quenda-manpage markdown INPUT.md OUTPUT.1 VERSION      a page written as docs/quenda-cli.md is
//   quenda-manpage help NAME SUMMARY OUTPUT.1 VERSION [MORE.md]
//                                                         a program's --help, read from stdin, and the
//                                                         sections of MORE.md that --help cannot hold

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

// Text for roff: its escape character doubled, a line that would begin a request guarded.
QString roffText(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\e")).replace(QLatin1Char('-'), QLatin1String("\\-"));
    if (text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char('\'')))
        text.prepend(QLatin1String("\\&"));
    return text;
}

// `code` in bold, the rest as text.
QString inlineText(const QString &markdown)
{
    static const QRegularExpression code(QStringLiteral("`([^`]*)`"));
    QString out;
    qsizetype at = 0;
    for (auto it = code.globalMatch(markdown); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += roffText(markdown.mid(at, m.capturedStart() - at)) + QLatin1String("\\fB") +
               roffText(m.captured(1)) + QLatin1String("\\fR");
        at = m.capturedEnd();
    }
    return out + roffText(markdown.mid(at));
}

QString header(const QString &name, const QString &version)
{
    return QStringLiteral(".TH \"%1\" \"1\" \"\" \"Quenda %2\" \"User Commands\"\n")
        .arg(name.toUpper(), version);
}

QString fromMarkdown(const QStringList &lines, const QString &version)
{
    QString out;
    bool inTable = false;
    bool inCode = false;
    // Empty lines within a code block, kept until the block goes on: they part its examples.
    int emptyInCode = 0;
    QString section;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i);
        if (line.startsWith(QLatin1String("    "))) {
            if (!inCode)
                out += QLatin1String(".PP\n.nf\n");
            inCode = true;
            out += QString(emptyInCode, QLatin1Char('\n')) + roffText(line.mid(4)) + QLatin1Char('\n');
            emptyInCode = 0;
            continue;
        }
        if (inCode && line.trimmed().isEmpty()) {
            ++emptyInCode;
            continue;
        }
        if (inCode) {
            out += QLatin1String(".fi\n");
            inCode = false;
            emptyInCode = 0;
        }
        if (line.startsWith(QLatin1String("# "))) {
            const QString name = line.mid(2).section(QLatin1Char('('), 0, 0);
            out += header(name, version);
        } else if (line.startsWith(QLatin1String("## "))) {
            section = line.mid(3).toUpper();
            out += QLatin1String(".SH ") + roffText(section) + QLatin1Char('\n');
        } else if (section == QLatin1String("NAME") && !line.trimmed().isEmpty()) {
            // "name \- summary", the one form whatis and apropos read.
            const qsizetype dash = line.indexOf(QStringLiteral(" \u2014 "));
            out += dash < 0
                       ? roffText(line)
                       : roffText(line.left(dash)) + QLatin1String(" \\- ") + roffText(line.mid(dash + 3));
            out += QLatin1Char('\n');
        } else if (line.startsWith(QLatin1Char('|'))) {
            // "\|" is a bar within a cell.
            QStringList cells = QString(line).replace(QLatin1String("\\|"), QChar(1)).split(QLatin1Char('|'));
            cells = cells.mid(1, cells.size() - 2);
            if (cells.value(0).trimmed().startsWith(QLatin1String("---")))
                continue;
            for (QString &cell : cells)
                cell = inlineText(cell.trimmed().replace(QChar(1), QLatin1Char('|')));
            // A table becomes a list: the first cell as the tag, the others as its text.
            if (!inTable && i + 1 < lines.size() && lines.at(i + 1).startsWith(QLatin1String("|---"))) {
                inTable = true;
                continue; // the header row
            }
            out += QLatin1String(".TP\n") + cells.value(0) + QLatin1Char('\n') +
                   cells.mid(1).join(QLatin1String(" \\(em ")) + QLatin1Char('\n');
        } else if (line.startsWith(QLatin1String(": "))) {
            out += inlineText(line.mid(2)) + QLatin1Char('\n');
        } else if (line.trimmed().isEmpty()) {
            inTable = false;
            // A paragraph break right after a heading or another break says nothing.
            const QString last = out.section(QLatin1Char('\n'), -2, -2);
            if (!inCode && last != QLatin1String(".PP") && !last.startsWith(QLatin1String(".SH ")) &&
                !last.startsWith(QLatin1String(".TH ")))
                out += QLatin1String(".PP\n");
        } else if (i + 1 < lines.size() && lines.at(i + 1).startsWith(QLatin1String(": "))) {
            out += QLatin1String(".TP\n") + inlineText(line) + QLatin1Char('\n');
        } else {
            out += inlineText(line) + QLatin1Char('\n');
        }
    }
    if (inCode)
        out += QLatin1String(".fi\n");
    return out;
}

// "Usage: x [options]", a description, "Options:" with "  -h, --help   Text." lines; then the
// sections ("## Files") of more, in the markdown fromMarkdown reads.
QString fromHelp(const QString &name, const QString &summary, const QStringList &lines,
                 const QStringList &more, const QString &version)
{
    QString out = header(name, version) + QLatin1String(".SH NAME\n") + roffText(name) +
                  QLatin1String(" \\- ") + roffText(summary) + QLatin1String("\n.SH SYNOPSIS\n");
    static const QRegularExpression option(QStringLiteral("^  (-\\S.*?)  +(\\S.*)$"));
    bool inOptions = false;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("Usage: "))) {
            // The program as it was started stands first: its path, not its name.
            out += QLatin1String("\\fB") + roffText(name) + QLatin1String("\\fR ") +
                   roffText(line.mid(7).section(QLatin1Char(' '), 1)) + QLatin1String("\n.SH DESCRIPTION\n");
        } else if (line == QLatin1String("Options:")) {
            out += QLatin1String(".SH OPTIONS\n");
            inOptions = true;
        } else if (const QRegularExpressionMatch m = option.match(line); inOptions && m.hasMatch()) {
            out += QLatin1String(".TP\n\\fB") + roffText(m.captured(1)) + QLatin1String("\\fR\n") +
                   roffText(m.captured(2)) + QLatin1Char('\n');
        } else if (!line.trimmed().isEmpty()) {
            out += roffText(line.trimmed()) + QLatin1Char('\n');
        }
    }
    if (!more.isEmpty())
        out += fromMarkdown(more, version);
    QStringList others;
    for (const QString &page :
         {QStringLiteral("quenda"), QStringLiteral("quenda-cli"), QStringLiteral("quenda-simphone")}) {
        if (page != name)
            others.append(QLatin1String("\\fB") + roffText(page) + QLatin1String("\\fR(1)"));
    }
    return out + QLatin1String(".SH SEE ALSO\n") + others.join(QLatin1String(", ")) + QLatin1Char('\n');
}

bool write(const QString &path, const QString &page)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(page.toUtf8()) >= 0;
}

QStringList readLines(QFile &file)
{
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList args = [&] {
        QStringList all;
        for (int i = 1; i < argc; ++i)
            all.append(QString::fromLocal8Bit(argv[i]));
        return all;
    }();
    if (args.value(0) == QLatin1String("markdown") && args.size() == 4) {
        QFile in(args.at(1));
        if (!in.open(QIODevice::ReadOnly))
            return std::fprintf(stderr, "quenda-manpage: cannot read %s\n", qPrintable(args.at(1))), 1;
        return write(args.at(2), fromMarkdown(readLines(in), args.at(3))) ? 0 : 1;
    }
    if (args.value(0) == QLatin1String("help") && (args.size() == 5 || args.size() == 6)) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            return 1;
        QStringList more;
        if (args.size() == 6) {
            QFile file(args.at(5));
            if (!file.open(QIODevice::ReadOnly))
                return std::fprintf(stderr, "quenda-manpage: cannot read %s\n", qPrintable(args.at(5))), 1;
            more = readLines(file);
        }
        return write(args.at(3), fromHelp(args.at(1), args.at(2), readLines(in), more, args.at(4))) ? 0 : 1;
    }
    std::fprintf(stderr,
                 "usage: quenda-manpage markdown IN.md OUT.1 VERSION | help NAME SUMMARY OUT.1 VERSION "
                 "[MORE.md]\n");
    return 2;
}
