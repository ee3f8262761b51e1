#include "platform/dir_list.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;
constexpr int kIndent = 10;

// Indents every entry by its depth, so the list reads as a tree.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt(option);
        opt.rect.setLeft(opt.rect.left() + index.data(kDepthRole).toInt() * kIndent);
        QStyledItemDelegate::paint(painter, opt, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.rwidth() += index.data(kDepthRole).toInt() * kIndent;
        return s;
    }
};

QString Normalised(const QString& folder)
{
    // absolutePath() drops a trailing separator except on a root folder.
    return QDir::cleanPath(QDir(folder).absolutePath());
}

} // namespace

DirListBox::DirListBox(QWidget* parent, const QString& name, QRect geometry, const QString& folder)
    : QListWidget(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setItemDelegate(new IndentDelegate(this));
    setIconSize(QSize(16, 16));
    // Moving into a folder rebuilds the list, so it must not happen while the
    // view is still inside the handler of the click that asked for it.
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString target = item ? item->data(kPathRole).toString() : QString();
        if (!target.isEmpty())
            QMetaObject::invokeMethod(this, [this, target] { setPath(target); }, Qt::QueuedConnection);
    });
    if (folder.isEmpty() || !setPath(folder))
        setPath(QDir::currentPath());
}

bool DirListBox::setPath(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    const QFileInfo info(folder);
    if (!info.exists() || !info.isDir())
        return false;
    const QString target = Normalised(folder);
    const bool changed = target != path_;
    path_ = target;
    Refresh();
    if (changed && onChange)
        onChange();
    return true;
}

void DirListBox::Refresh()
{
    clear();
    currentRow_ = -1;
    if (path_.isEmpty())
        return;

    // The chain of folders from the root down to the current one.
    QStringList chain;
    QDir d(path_);
    while (!d.isRoot()) {
        chain.prepend(d.absolutePath());
        if (!d.cdUp())
            break;
    }
    chain.prepend(d.absolutePath());

    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QIcon drive = style()->standardIcon(QStyle::SP_DriveHDIcon);
    auto add = [this](const QString& text, const QString& path, int depth, const QIcon& icon) {
        auto* item = new QListWidgetItem(icon, text, this);
        item->setData(kPathRole, path);
        item->setData(kDepthRole, depth);
        item->setToolTip(QDir::toNativeSeparators(path));
    };
    for (int i = 0; i < chain.size(); ++i) {
        const QString& p = chain[i];
        const QString text = i == 0 ? QDir::toNativeSeparators(p) : QFileInfo(p).fileName();
        add(text, p, i, i == 0 ? drive : open);
    }
    currentRow_ = static_cast<int>(chain.size()) - 1;

    // A folder that cannot be listed simply shows no subfolders.
    const QFileInfoList subs =
        QDir(path_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& s : subs)
        add(s.fileName(), Normalised(s.absoluteFilePath()), static_cast<int>(chain.size()), closed);

    setCurrentRow(currentRow_);
}

QString DirListBox::List(int index) const
{
    const QListWidgetItem* it = item(index);
    return it ? it->data(kPathRole).toString() : QString();
}
