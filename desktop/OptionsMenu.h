// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Chart.h"
#include "report/DrekkanaChartSvg.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <array>

class QAction;
class QMenu;
class QMenuBar;
class QSettings;
class QWidget;

namespace tessaline {

// Stores one choice in the per-user settings (when there are any) and reports a failed save in a message; the
// choice holds for this run either way.
void SaveChoice(QWidget* parent, QSettings* settings, const QString& key, const QVariant& value);

// The birth data window's Options menu: Precise Positions, the zodiac (tropical, or sidereal with one of
// the ayanamsas), the form of the drekkana chart the results window draws and the decan scheme that gives
// each decanate its sign and ruler, each remembered in the settings.
class OptionsMenu : public QObject
{
    Q_OBJECT

public:
    // Adds the menu to the bar; settings, when given, hold the choices between runs.
    OptionsMenu(QMenuBar* bar, QWidget* window, QSettings* settings);

    QAction* mnuPrecise = nullptr;
    QMenu* mnuZodiac = nullptr;
    QAction* mnuTropical = nullptr;
    std::array<QAction*, kAyanamsaCount> mnuSidereal{};
    QMenu* mnuDrekkana = nullptr;
    QAction* mnuDrekkanaSouth = nullptr;
    QAction* mnuDrekkanaNorth = nullptr;
    // Options › Decan Scheme: one entry per scheme, in the order of kDecanSchemes; one is checked.
    QMenu* mnuDecanScheme = nullptr;
    std::array<QAction*, kDecanSchemes.size()> mnuScheme{};

    EphemerisMode chosenMode() const;
    ZodiacChoice chosenZodiac() const;
    DrekkanaStyle chosenDrekkanaStyle() const;
    DecanScheme chosenScheme() const;
    // The mode, zodiac and decan scheme chosen, as a chart is calculated with them.
    ChartOptions chosenOptions() const;

signals:
    // Another decan scheme was chosen: an open chart takes it at once.
    void schemeChosen(tessaline::DecanScheme scheme);

private:
    void addDrekkanaMenu(QMenu* options);
    void addSchemeMenu(QMenu* options);

    QWidget* window_;
    QSettings* settings_;
};

} // namespace tessaline
