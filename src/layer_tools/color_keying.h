#pragma once
// The Color Keying tab: lays the top layer over the other with a key colour made transparent.
class QWidget;
class Layers;

class ColorKeying {
public:
    ColorKeying(QWidget* page, Layers& layers);
    void Ckey1_Change();
    void Ckey3_Change();

private:
    Layers& layers_;
};
