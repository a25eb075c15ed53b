// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DesktopLook.h"

#include "chart/Version.h"

#include <QApplication>
#include <QFontDatabase>

#include <algorithm>
#include <array>
#include <cmath>

namespace tessaline {

QString ProgramTitle()
{
    return QString::fromLatin1(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size()));
}

QFont DesktopFont()
{
    static const bool substituted = [] {
        // Where Verdana is not installed, take the fonts drawn after the same model first.
        QFont::insertSubstitutions(QStringLiteral("Verdana"),
                                   {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans"),
                                    QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
        return true;
    }();
    Q_UNUSED(substituted)
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(QApplication::font().pointSizeF() > 0 ? QApplication::font().pointSizeF() : 9.0);
    return font;
}

QPalette BrownPalette()
{
    QPalette palette = QApplication::palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, kBrown);
        palette.setColor(group, QPalette::Base, kBrown);
        palette.setColor(group, QPalette::AlternateBase, kBrown.lighter(125));
        palette.setColor(group, QPalette::Button, kBrown);
        palette.setColor(group, QPalette::WindowText, Qt::white);
        palette.setColor(group, QPalette::Text, Qt::white);
        palette.setColor(group, QPalette::ButtonText, Qt::white);
        palette.setColor(group, QPalette::PlaceholderText, QColor(200, 185, 175));
        palette.setColor(group, QPalette::Highlight, QColor(160, 110, 60));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, kBrown);
    palette.setColor(QPalette::Disabled, QPalette::Base, kBrown);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(170, 155, 145));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(170, 155, 145));
    return palette;
}

namespace {

// Relative luminance: each sRGB channel made linear, then weighted by how bright the eye finds it.
double Luminance(const QColor& colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor WarningColour(const QColor& background)
{
    constexpr double kLevelAA = 4.5;
    // The ambers first; on a mid-tone background where neither reaches the level, black or white.
    const std::array<QColor, 4> candidates{QColor(138, 75, 0), QColor(255, 200, 87), Qt::black, Qt::white};
    QColor best = candidates[0];
    for (const QColor& candidate : candidates) {
        if (ContrastRatio(candidate, background) >= kLevelAA)
            return candidate;
        if (ContrastRatio(candidate, background) > ContrastRatio(best, background))
            best = candidate;
    }
    return best;
}

} // namespace tessaline
