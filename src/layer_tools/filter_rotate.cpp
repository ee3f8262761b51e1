#include "layer_tools/filter_rotate.h"

#include "platform/file_list.h"

FilterRotate::FilterRotate(QWidget* page, Layers& layers, Dialogs& /*dialogs*/) : layers_(layers)
{
    File1 = new FileListBox(page, QStringLiteral("File1"), QStringLiteral("*.fil"));
    File1->setGeometry(154, 231, 295, 123);
}
