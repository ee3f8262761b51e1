#pragma once
// A folder list box: the chain of folders from the root down to the current
// folder, followed by the current folder's own subfolders, each indented by
// its depth. Double-clicking an entry (or pressing Enter on it) moves the list
// to that folder and raises onChange.
#include <functional>

#include <QListWidget>
#include <QString>

class DirListBox : public QListWidget {
public:
    // Starts in `folder` (the process's current folder when empty or missing).
    DirListBox(QWidget* parent, const QString& name, QRect geometry, const QString& folder = {});

    // The current folder, absolute, with '/' separators. A root folder ends
    // with a separator ("/", "C:/"); no other path does.
    QString Path() const { return path_; }
    // Moves the list to an existing folder and lists it; raises onChange when
    // the path changed. False (nothing changes) when the folder does not exist.
    bool setPath(const QString& folder);
    // Lists the current folder again (folders made or removed meanwhile).
    void Refresh();

    // The entries as shown: ListCount() of them, the full path of each.
    int ListCount() const { return count(); }
    QString List(int index) const;
    // The row of the current folder within the list.
    int CurrentFolderRow() const { return currentRow_; }

    // Raised after the path changed, by the user or by code.
    std::function<void()> onChange;

private:
    QString path_;
    int currentRow_ = -1;
};
