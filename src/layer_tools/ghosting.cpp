#include "layer_tools/ghosting.h"

Ghosting::Ghosting(QWidget* /*page*/, Layers& layers) : layers_(layers) {}
void Ghosting::Picture9_Change() {}
void Ghosting::Picture10_Change() {}
