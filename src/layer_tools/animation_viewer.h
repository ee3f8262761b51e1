#pragma once
// The Animation viewer tab: plays up to nine tiles in turn.
class QWidget;
class Layers;

class AnimationViewer {
public:
    AnimationViewer(QWidget* page, Layers& layers);

private:
    Layers& layers_;
};
