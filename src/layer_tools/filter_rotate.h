#pragma once
// The Filter / Rotate tab: quarter turns, mirroring and the filters of the Filters folder.
class QWidget;
class Layers;
class Dialogs;
class FileListBox;

class FilterRotate {
public:
    FilterRotate(QWidget* page, Layers& layers, Dialogs& dialogs);

    FileListBox* File1; // the filter list, "*.fil" files of its folder

private:
    Layers& layers_;
};
