#include "layer_tools/rgb_bright.h"

RgbBright::RgbBright(QWidget* /*page*/, Layers& layers) : layers_(layers) {}
