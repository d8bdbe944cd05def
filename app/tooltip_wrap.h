#pragma once

#include <QFontMetrics>
#include <QObject>
#include <QString>

namespace vellaro::app {

// The widest line of a tooltip, in pixels of its text: about 60 characters, a line the eye
// follows without losing its place. Qt shows a plain tooltip on one line, however long.
inline constexpr int kTooltipLineWidth = 420;

// `text` with its spaces turned into line breaks where a line would grow wider than
// `width`; the line breaks it has are kept, and a word wider than `width` stands alone.
QString WrapTooltip(const QString& text, const QFontMetrics& metrics,
                    int width = kTooltipLineWidth);

// While `owner` lives, every plain tooltip of the application shows wrapped so: the
// window's, its dialogs' and the session panel's alike.
void WrapTooltips(QObject& owner);

}  // namespace vellaro::app
