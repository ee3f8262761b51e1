#pragma once
// The RGB/Bright tab: tints a layer per channel and brightens it.
class QWidget;
class Layers;

class RgbBright {
public:
    RgbBright(QWidget* page, Layers& layers);

private:
    Layers& layers_;
};
