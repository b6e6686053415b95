#pragma once
// The game's typeface at a size in pixels. The windows were laid out for text
// of fixed pixel sizes, which a point size would not keep on every screen.
#include <QFont>

inline QFont GameFont(int pixels, QFont::Stretch stretch = QFont::Unstretched)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setStretch(stretch);
    return font;
}
