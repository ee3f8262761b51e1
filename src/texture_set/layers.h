#pragma once
// Layers A and B, the two working tiles. The tabs that work on copies of the
// layers (their mirrors) hand them over with SetMirrors. Replacing a layer's
// picture as a whole copies it into its mirrors at once, one after the other
// in the order handed over, each mirror's own change handler running before
// the next copy; drawing into a layer copies nothing.
#include <vector>

class QWidget;
class PictureBuffer;

class Layers {
public:
    explicit Layers(QWidget* client);

    // The pictures that follow layer A and layer B, in copying order.
    void SetMirrors(std::vector<PictureBuffer*> ofA, std::vector<PictureBuffer*> ofB);

    // Layer A's picture was replaced: copy it into each mirror of layer A.
    void Image1_Change();
    // Layer B's picture was replaced: copy it into each mirror of layer B.
    void Image2_Change();

    PictureBuffer* Image1; // layer A
    PictureBuffer* Image2; // layer B

private:
    std::vector<PictureBuffer*> mirrorsOfA_;
    std::vector<PictureBuffer*> mirrorsOfB_;
};
