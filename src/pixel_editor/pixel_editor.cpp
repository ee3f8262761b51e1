#include "pixel_editor/pixel_editor.h"

PixelEditor::PixelEditor(QWidget* /*page*/, Layers& layers) : layers_(layers) {}
