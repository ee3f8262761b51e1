#pragma once
// A list box of the files of one folder that match a pattern ("*.fil").
#include <QListWidget>
#include <QString>

class FileListBox : public QListWidget {
public:
    FileListBox(QWidget* parent, const QString& name, const QString& pattern = QStringLiteral("*.*"));

    QString Path() const { return path_; }
    // Points the list at a folder and lists it; false (the list keeping what
    // it showed) when the folder does not exist or cannot be listed.
    bool setPath(const QString& folder);
    QString Pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    // Lists the folder again.
    void Refresh();
    // The selected file's name (without folder), or an empty text.
    QString FileName() const;
    int ListCount() const { return count(); }

private:
    QString path_;
    QString pattern_;
};
