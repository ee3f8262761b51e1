#pragma once
// The Ghosting tab: blends layer A over layer B with an adjustable weight.
class QWidget;
class Layers;

class Ghosting {
public:
    Ghosting(QWidget* page, Layers& layers);
    void Picture9_Change();
    void Picture10_Change();

private:
    Layers& layers_;
};
