#include "ResultPanel.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "GameFont.h"
#include "Layout.h"
#include "PictureBox.h"
#include "ResourceIds.h"
#include "catalogue.h"

namespace {
// Where the stored pictures have their words (resources/tools/make_ui.py),
// in the panel's units.
constexpr int kWidth = Layout::kStoredPanel.width() - 2; // inside the border
constexpr int kInside = kWidth - 2 * 8; // the longest line, a margin each side
constexpr int kHeadlineBaseline = 69;
constexpr int kFirstBaseline = 121;
constexpr int kLineStep = 27;
constexpr int kBodyLines = 2;        // the stars and the sad face lie below the second
const QColor kInk(18, 42, 83);
const QColor kRed(236, 40, 36), kDarkRed(190, 10, 20), kShadow(110, 0, 0, 204);

// The words greedily broken into lines no wider than the panel's inside.
QStringList brokenLines(const QString &text, const QFont &font)
{
    const QFontMetricsF metrics(font);
    QStringList lines;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.last() + u' ' + word) <= kInside)
            lines.last() += u' ' + word;
        else
            lines.append(word);
    }
    return lines;
}

bool fitWidth(const QStringList &lines, const QFont &font)
{
    const QFontMetricsF metrics(font);
    return std::all_of(lines.cbegin(), lines.cend(),
                       [&](const QString &line) { return metrics.horizontalAdvance(line) <= kInside; });
}
} // namespace

bool ResultPanel::wordsDrawn()
{
    return tr("Congratulations!") != QLatin1String("Congratulations!") || tr("Oops!!") != QLatin1String("Oops!!");
}

ResultPanel::Words ResultPanel::words(int panel, int misses)
{
    const bool won = panel == ResourceIds::kWinPanel;
    Words w;
    w.headline = won ? tr("Congratulations!") : tr("Oops!!");
    w.headlineFont = won ? GameFont(20, QFont::SemiCondensed) : GameFont(32);
    w.headlineFont.setBold(true);
    const QString body = won ? tr("you made it with %n mistakes.", nullptr, misses) : tr("too many mistakes. try again.");
    w.bodyFont = GameFont(18);
    // Longer words are written smaller, down to two thirds of the stored sizes.
    auto shrink = [](QFont &font, auto tooLong) {
        const int smallest = font.pixelSize() * 2 / 3;
        while (tooLong() && font.pixelSize() > smallest)
            font.setPixelSize(font.pixelSize() - 1);
    };
    shrink(w.headlineFont, [&] { return !fitWidth({w.headline}, w.headlineFont); });
    shrink(w.bodyFont, [&] {
        w.lines = brokenLines(body, w.bodyFont);
        return w.lines.size() > kBodyLines || !fitWidth(w.lines, w.bodyFont);
    });
    w.fits = w.lines.size() <= kBodyLines && fitWidth({w.headline}, w.headlineFont) && fitWidth(w.lines, w.bodyFont);
    return w;
}

QImage ResultPanel::picture(int panel, int misses, qreal ratio)
{
    QImage image = Catalogue::LoadResPicture(
        panel == ResourceIds::kWinPanel ? ResourceIds::kWinGround : ResourceIds::kLoseGround, ratio);
    const Words w = words(panel, misses);
    // A twin for high-density screens carries its ratio: the painter
    // measures in the panel's units on either.
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    auto centred = [&](const QString &text, const QFont &font, int baseline) {
        p.setFont(font);
        return QPointF((kWidth - QFontMetricsF(font).horizontalAdvance(text)) / 2, baseline);
    };
    // The headline red, darker towards its foot, over a dark red shadow.
    const QPointF at = centred(w.headline, w.headlineFont, kHeadlineBaseline);
    p.setPen(kShadow);
    p.drawText(at + QPointF(1, 1), w.headline);
    QLinearGradient red(0, 50, 0, 70);
    red.setColorAt(0, kRed);
    red.setColorAt(1, kDarkRed);
    p.setPen(QPen(QBrush(red), 1));
    p.drawText(at, w.headline);
    p.setPen(kInk);
    for (int i = 0; i < w.lines.size(); ++i)
        p.drawText(centred(w.lines[i], w.bodyFont, kFirstBaseline + i * kLineStep), w.lines[i]);
    return image;
}

void ResultPanel::show(PictureBox &box, QLabel &count)
{
    if (!wordsDrawn())
        return;
    count.hide(); // the count is among the drawn words
    const int panel = box.pictureId(), misses = count.text().toInt();
    box.setDrawnPicture(panel, QStringLiteral("words ") + count.text(),
                        [panel, misses](qreal ratio) { return picture(panel, misses, ratio); });
}
