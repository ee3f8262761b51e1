#include "layer_tools/color_keying.h"

ColorKeying::ColorKeying(QWidget* /*page*/, Layers& layers) : layers_(layers) {}
void ColorKeying::Ckey1_Change() {}
void ColorKeying::Ckey3_Change() {}
