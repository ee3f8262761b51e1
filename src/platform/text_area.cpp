#include "platform/text_area.h"

#include <QMimeData>

namespace {
bool HoldsText(const QMimeData* source) { return source && source->hasText(); }
} // namespace

bool TextArea::canInsertFromMimeData(const QMimeData* source) const
{
    return HoldsText(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void TextArea::insertFromMimeData(const QMimeData* source)
{
    if (HoldsText(source))
        QPlainTextEdit::insertFromMimeData(source);
}
