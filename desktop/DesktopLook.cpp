// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DesktopLook.h"

#include "chart/Version.h"

#include <QApplication>
#include <QFontDatabase>

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

} // namespace tessaline
