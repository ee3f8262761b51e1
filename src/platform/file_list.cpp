#include "platform/file_list.h"

#include <QDir>

FileListBox::FileListBox(QWidget* parent, const QString& name, const QString& pattern)
    : QListWidget(parent), pattern_(pattern)
{
    setObjectName(name);
}

bool FileListBox::setPath(const QString& folder)
{
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists() || !dir.isReadable())
        return false;
    path_ = dir.absolutePath();
    Refresh();
    return true;
}

void FileListBox::setPattern(const QString& pattern)
{
    pattern_ = pattern;
    Refresh();
}

void FileListBox::Refresh()
{
    clear();
    if (path_.isEmpty())
        return;
    QDir dir(path_);
    const QStringList filters = pattern_ == QLatin1String("*.*") ? QStringList{QStringLiteral("*")}
                                                                  : pattern_.split(QLatin1Char(';'));
    for (const QString& f : dir.entryList(filters, QDir::Files, QDir::Name | QDir::IgnoreCase))
        addItem(f);
}

QString FileListBox::FileName() const
{
    // The highlighted entry: while the mouse slides over the list the
    // selection moves before the current item does.
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}
