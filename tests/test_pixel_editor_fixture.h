#pragma once
// A main window with its pixel editor in the state the start-up leaves it
// (drawing enabled), and helpers to read the surface block by block.
#include <QImage>

#include "core/pixel_ops.h"
#include "harness.h"
#include "pixel_editor/editing_surface.h"
#include "pixel_editor/editing_tools.h"
#include "pixel_editor/layer_transfer.h"
#include "pixel_editor/pixel_editor.h"
#include "pixel_editor/selection_actions.h"
#include "pixel_editor/spray_palette.h"
#include "pixel_editor/tool_panel.h"
#include "platform/controls.h"
#include "texture_set/layers.h"

struct PixelEditing : FormFixture {
    PixelEditor* ed = nullptr;
    EditingSurface* s = nullptr;
    PictureBuffer* pic = nullptr;

    void SetUp() override
    {
        FormFixture::SetUp();
        ed = form->pixelEditor.get();
        s = ed->surface.get();
        pic = s->PixEditPic;
        ed->DrawEnabled = true; // as the main window's load step leaves it
    }

    // Tools picked from the panel, as a user does.
    void Pick(int index, int button = 1) { ed->panel->toolselect_MouseDown(index, button, 0, 0, 0); }
    void PickPencil() { Pick(3); }
    void PickSelection() { Pick(6); }
    void SetBrush(int k) { s->SetBrush(pixel_ops::BrushNames().at(k - 1)); }

    // Mouse on the surface at the centre of tile pixel (tx, ty).
    static float At(int t) { return t * 7 + 3.f; }
    void Down(int button, int tx, int ty) { s->PixEditPic_MouseDown(button, 0, At(tx), At(ty)); }
    void Move(int buttons, int tx, int ty) { s->PixEditPic_MouseMove(buttons, 0, At(tx), At(ty)); }
    void Up(int button, int tx, int ty) { s->PixEditPic_MouseUp(button, 0, At(tx), At(ty)); }

    // Shows a tile on the surface through layer A and "View:" A.
    void ShowTile(const QImage& tile)
    {
        form->layers->Image1->setPicture(tile);
        ed->transfer->Command5_Click();
    }
    // The tile on the surface, read at each block's origin.
    QImage Tile() const
    {
        QImage t(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                t.setPixel(x, y, PictureBuffer::ToQRgb(pic->GetPixel(7 * x, 7 * y)));
        return t;
    }
    Colour Block(int tx, int ty) const { return pic->GetPixel(7 * tx, 7 * ty); }
    // Whether every pixel of the block has the colour c.
    bool BlockIs(int tx, int ty, Colour c) const
    {
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 7; ++x)
                if (pic->GetPixel(7 * tx + x, 7 * ty + y) != c)
                    return false;
        return true;
    }
    // The tile pixels that are not white.
    int PaintedBlocks() const
    {
        int n = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                n += Block(x, y) != pixel_ops::kWhite;
        return n;
    }
};

inline Colour PixelOf(const QImage& img, int x, int y) { return PictureBuffer::FromQRgb(img.pixel(x, y)); }
