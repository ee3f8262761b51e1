#include "layer_tools/quarter_tiles.h"

QuarterTiles::QuarterTiles(QWidget* /*page*/, Layers& layers) : layers_(layers) {}
