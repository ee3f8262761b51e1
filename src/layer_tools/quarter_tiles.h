#pragma once
// The 1/4 Tiles tab: reduces a layer to a quarter and pastes it into a corner of a layer.
class QWidget;
class Layers;

class QuarterTiles {
public:
    QuarterTiles(QWidget* page, Layers& layers);

private:
    Layers& layers_;
};
