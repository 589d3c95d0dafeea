#pragma once

#include "link/userinterfaces.h"

#include <QList>
#include <QPair>
#include <QStringList>

// Stands in for the message boxes: records what would have been shown and answers the
// questions from a prepared list (No once it runs out).
class RecordingBoxes : public MessageBoxes
{
public:
    void inform(const QString &text, const QString &title) override { shown.append({text, title}); }
    bool ask(const QString &text, const QString &title) override
    {
        asked.append({text, title});
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    QStringList texts() const
    {
        QStringList all;
        for (const auto &box : shown)
            all.append(box.first);
        return all;
    }

    QList<QPair<QString, QString>> shown;
    QList<QPair<QString, QString>> asked;
    QList<bool> answers;
};

// Stands in for the "Working..." window.
class RecordingProgress : public ProgressWindow
{
public:
    void open() override { ++opened; }
    void close() override { ++closed; }
    void setProgress(int value, const QString &text) override
    {
        values.append(value);
        texts.append(text);
    }

    int opened = 0;
    int closed = 0;
    QList<int> values;
    QStringList texts;
};
