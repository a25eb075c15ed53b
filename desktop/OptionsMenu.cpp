// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/OptionsMenu.h"

#include "desktop/AccessibleInterfaces.h"
#include "desktop/MessagePresenter.h"
#include "ephemeris/PreciseEphemeris.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

namespace tessaline {

namespace {

const QString kPrecisePositionsKey = QStringLiteral("Options/PrecisePositions");
// "tropical", or the key of the sidereal zodiac's ayanamsa ("lahiri", ...).
const QString kZodiacKey = QStringLiteral("Options/Zodiac");
// "south" or "north".
const QString kDrekkanaKey = QStringLiteral("Options/DrekkanaChart");
// The scheme's key: "triplicity", "chaldean", ...
const QString kSchemeKey = QStringLiteral("Options/DecanScheme");

// What each scheme does, for the status line.
QString SchemeTip(DecanScheme scheme)
{
    switch (scheme) {
    case DecanScheme::Triplicity:
        break;
    case DecanScheme::Chaldean:
        return QObject::tr("The planets in the Chaldean order rule the 36 faces; a face stands in no sign");
    case DecanScheme::Parivritti:
        return QObject::tr("The 36 decanates walk the signs three times from Aries");
    case DecanScheme::Somanatha:
        return QObject::tr("Odd signs count forward from Aries, even signs backward from Pisces");
    case DecanScheme::Jagannatha:
        return QObject::tr("The movable, fixed and dual signs of the sign's element");
    }
    return QObject::tr("Each sign's thirds ruled by the three signs of its element, as the decanate table gives them");
}

} // namespace

void SaveChoice(QWidget* parent, QSettings* settings, const QString& key, const QVariant& value)
{
    if (settings == nullptr)
        return;
    settings->setValue(key, value);
    settings->sync();
    if (settings->status() != QSettings::NoError) {
        const QString reason = settings->status() == QSettings::AccessError
            ? QObject::tr("the file cannot be written")
            : QObject::tr("the file is not a settings file");
        ShowMessage(parent, MessageIcon::Critical,
                    QObject::tr("The choice could not be saved in %1: %2. It holds until the program ends.")
                        .arg(settings->fileName(), reason));
    }
}

OptionsMenu::OptionsMenu(QMenuBar* bar, QWidget* window, QSettings* settings)
    : QObject(window)
    , window_(window)
    , settings_(settings)
{
    InstallAccessibleInterfaces(); // its entries that can be ticked are heard so
    QMenu* options = bar->addMenu(tr("&Options"));
    mnuPrecise = options->addAction(tr("&Precise Positions"));
    mnuPrecise->setObjectName(QStringLiteral("mnuPrecise"));
    mnuPrecise->setCheckable(true);
    mnuPrecise->setStatusTip(tr("Positions from the precise ephemeris instead of the classic formulas"));
    if (settings_ != nullptr)
        mnuPrecise->setChecked(settings_->value(kPrecisePositionsKey, false).toBool());

    mnuZodiac = options->addMenu(tr("&Zodiac"));
    mnuZodiac->setObjectName(QStringLiteral("mnuZodiac"));
    auto* zodiacs = new QActionGroup(mnuZodiac);
    mnuTropical = mnuZodiac->addAction(tr("&Tropical"));
    mnuTropical->setObjectName(QStringLiteral("mnuTropical"));
    mnuTropical->setStatusTip(tr("Longitudes counted from the vernal point, as the program always has"));
    mnuZodiac->addSeparator();
    for (int i = 0; i < kAyanamsaCount; ++i) {
        const auto ayanamsa = static_cast<Ayanamsa>(i);
        QAction* action = mnuZodiac->addAction(tr("Sidereal, &%1 %2").arg(i + 1).arg(AyanamsaName(ayanamsa)));
        action->setObjectName(QStringLiteral("mnuSidereal_") + QString::fromLatin1(AyanamsaKey(ayanamsa)));
        action->setStatusTip(tr("Longitudes counted from a point among the stars, %1 ayanamsa behind the vernal point")
                                 .arg(AyanamsaName(ayanamsa)));
        mnuSidereal[static_cast<std::size_t>(i)] = action;
    }
    QAction* stored = mnuTropical;
    const QString storedKey
        = settings_ != nullptr ? settings_->value(kZodiacKey, QStringLiteral("tropical")).toString() : QString();
    for (QAction* action : mnuSidereal)
        if (action->objectName() == QStringLiteral("mnuSidereal_") + storedKey)
            stored = action;
    for (QAction* action : mnuZodiac->actions()) {
        if (action->isSeparator())
            continue;
        action->setCheckable(true);
        zodiacs->addAction(action);
    }
    stored->setChecked(true); // an unknown stored value leaves the tropical zodiac
    addDrekkanaMenu(options);
    addSchemeMenu(options);

    connect(mnuPrecise, &QAction::toggled, this,
            [this](bool checked) { SaveChoice(window_, settings_, kPrecisePositionsKey, checked); });
    connect(zodiacs, &QActionGroup::triggered, this, [this] {
        const ZodiacChoice zodiac = chosenZodiac();
        SaveChoice(window_, settings_, kZodiacKey,
                   zodiac.zodiac == Zodiac::Tropical ? QStringLiteral("tropical")
                                                     : QString::fromLatin1(AyanamsaKey(zodiac.ayanamsa)));
    });
}

void OptionsMenu::addDrekkanaMenu(QMenu* options)
{
    mnuDrekkana = options->addMenu(tr("&Drekkana Chart"));
    mnuDrekkana->setObjectName(QStringLiteral("mnuDrekkana"));
    auto* forms = new QActionGroup(mnuDrekkana);
    mnuDrekkanaSouth = mnuDrekkana->addAction(tr("&South Indian"));
    mnuDrekkanaSouth->setObjectName(QStringLiteral("mnuDrekkanaSouth"));
    mnuDrekkanaSouth->setStatusTip(tr("Twelve boxes that keep their signs, Pisces at the top left"));
    mnuDrekkanaNorth = mnuDrekkana->addAction(tr("&North Indian"));
    mnuDrekkanaNorth->setObjectName(QStringLiteral("mnuDrekkanaNorth"));
    mnuDrekkanaNorth->setStatusTip(tr("A diamond of twelve houses counted from the Ascendant's drekkana at the top"));
    for (QAction* action : {mnuDrekkanaSouth, mnuDrekkanaNorth}) {
        action->setCheckable(true);
        forms->addAction(action);
    }
    const bool north = settings_ != nullptr && settings_->value(kDrekkanaKey).toString() == QStringLiteral("north");
    (north ? mnuDrekkanaNorth : mnuDrekkanaSouth)->setChecked(true); // anything else leaves the South Indian form
    connect(forms, &QActionGroup::triggered, this, [this] {
        SaveChoice(window_, settings_, kDrekkanaKey,
                   mnuDrekkanaNorth->isChecked() ? QStringLiteral("north") : QStringLiteral("south"));
    });
}

void OptionsMenu::addSchemeMenu(QMenu* options)
{
    mnuDecanScheme = options->addMenu(tr("Decan &Scheme"));
    mnuDecanScheme->setObjectName(QStringLiteral("mnuDecanScheme"));
    auto* schemes = new QActionGroup(mnuDecanScheme);
    const QString storedKey = settings_ != nullptr ? settings_->value(kSchemeKey).toString() : QString();
    for (std::size_t i = 0; i < kDecanSchemes.size(); ++i) {
        const DecanSchemeName& name = kDecanSchemes[i];
        const QString key = QString::fromLatin1(name.key);
        // Each caption's first letter is its own: T, C, P, S, J.
        QAction* action = mnuDecanScheme->addAction(QLatin1Char('&') + tr(name.caption.data()));
        action->setObjectName(QStringLiteral("mnuScheme_") + key);
        action->setStatusTip(SchemeTip(name.scheme));
        action->setCheckable(true);
        schemes->addAction(action);
        mnuScheme[i] = action;
    }
    QAction* stored = mnuScheme[0]; // an unknown stored value leaves the table's own scheme
    const auto storedScheme = DecanSchemeFromKey(storedKey.toStdString());
    for (std::size_t i = 0; i < kDecanSchemes.size(); ++i)
        if (storedScheme == kDecanSchemes[i].scheme)
            stored = mnuScheme[i];
    stored->setChecked(true);
    connect(schemes, &QActionGroup::triggered, this, [this] {
        const DecanScheme scheme = chosenScheme();
        SaveChoice(window_, settings_, kSchemeKey, QString::fromLatin1(NameOf(scheme).key));
        emit schemeChosen(scheme);
    });
}

EphemerisMode OptionsMenu::chosenMode() const
{
    return mnuPrecise->isChecked() ? EphemerisMode::Precise : EphemerisMode::Classic;
}

ZodiacChoice OptionsMenu::chosenZodiac() const
{
    for (std::size_t i = 0; i < mnuSidereal.size(); ++i)
        if (mnuSidereal[i]->isChecked())
            return {Zodiac::Sidereal, static_cast<Ayanamsa>(i)};
    return {};
}

ChartOptions OptionsMenu::chosenOptions() const
{
    ChartOptions chosen;
    chosen.ephemeris = chosenMode();
    chosen.zodiac = chosenZodiac();
    chosen.scheme = chosenScheme();
    return chosen;
}

DecanScheme OptionsMenu::chosenScheme() const
{
    for (std::size_t i = 0; i < mnuScheme.size(); ++i)
        if (mnuScheme[i]->isChecked())
            return kDecanSchemes[i].scheme;
    return DecanScheme::Triplicity;
}

DrekkanaStyle OptionsMenu::chosenDrekkanaStyle() const
{
    return mnuDrekkanaNorth->isChecked() ? DrekkanaStyle::NorthIndian : DrekkanaStyle::SouthIndian;
}

} // namespace tessaline
