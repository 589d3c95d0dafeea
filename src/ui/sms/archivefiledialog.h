#pragma once

#include "ui/widgets/filechooserdialog.h"

class MessageBoxes;
class Settings;

// frmBrowseSMS "Browse": the Auto-SMS archive file, among the "*.log" files of a folder.
class ArchiveFileDialog : public FileChooserDialog
{
    Q_OBJECT
public:
    ArchiveFileDialog(Settings &settings, MessageBoxes &boxes, QWidget *parent = nullptr);

protected:
    void remember(const QString &drive, const QString &folder) override;

private:
    void accept() override;

    Settings &settings_;
    MessageBoxes &boxes_;
};
