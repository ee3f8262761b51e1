#include "core/colour.h"

#include "core/conversions.h"

Colour RGB(double red, double green, double blue)
{
    return RGB(conv::CLng(red), conv::CLng(green), conv::CLng(blue));
}
