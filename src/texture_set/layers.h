#pragma once
// Layers A and B, the two working tiles, and their mirrors on the Color
// Keying and Ghosting tabs. Replacing a layer's picture as a whole copies it
// into its mirrors at once; drawing into a layer copies nothing.
class QWidget;
class PictureBuffer;
class TabControl;

class Layers {
public:
    static constexpr int kColorKeyingTab = 1;
    static constexpr int kGhostingTab = 3;

    Layers(QWidget* client, TabControl& tabs);

    // Layer A's picture was replaced: copy it into Ckey1, then Picture9.
    void Image1_Change();
    // Layer B's picture was replaced: copy it into Ckey2, Ckey3, then Picture10.
    void Image2_Change();

    PictureBuffer* Image1; // layer A
    PictureBuffer* Image2; // layer B
    PictureBuffer* Ckey1;  // Color Keying: layer A
    PictureBuffer* Ckey2;  // Color Keying: layer B
    PictureBuffer* Ckey3;  // Color Keying: layer B; its visibility says which layer is on top
    PictureBuffer* Picture9;  // Ghosting: layer A
    PictureBuffer* Picture10; // Ghosting: layer B
};
