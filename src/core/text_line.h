#pragma once
// Lines of the program's text files (filter instructions, tips).
#include <QByteArray>
#include <QString>

// A line's bytes as text: UTF-8, or Latin-1 when they are not valid UTF-8
// (older files are in a single-byte code page).
QString DecodeTextLine(const QByteArray& bytes);
