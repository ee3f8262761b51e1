#include "layer_tools/animation_viewer.h"

AnimationViewer::AnimationViewer(QWidget* /*page*/, Layers& layers) : layers_(layers) {}
