// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/modHelp.h"

#include "desktop/MessagePresenter.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace tessaline {

namespace {

UrlOpener* installed = nullptr;
std::optional<SiteAddresses> replacedSites;

QString WithoutTrailingSlash(QString address)
{
    while (address.endsWith(QLatin1Char('/'))) {
        address.chop(1);
    }
    return address;
}

} // namespace

void SetUrlOpener(UrlOpener* opener) noexcept
{
    installed = opener;
}

void OpenWebPage(const QString& address)
{
    // Addresses are built already encoded (see LocationSearch); read them strictly so nothing is re-interpreted.
    const QUrl url = QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode);
    if (url.isValid() && installed != nullptr) {
        installed->open(url);
        return;
    }
    if (!url.isValid() || !QDesktopServices::openUrl(url)) {
        // No browser could take it: give the address, which the message box lets the user select and copy.
        ShowMessage(nullptr, MessageIcon::Information,
                    QObject::tr("The web page could not be opened: no web browser could be started.\n"
                                "Open this address in a browser:\n%1")
                        .arg(address));
    }
}

SiteAddresses BuiltSiteAddresses()
{
    return {WithoutTrailingSlash(QStringLiteral(TESSALINE_PROGRAM_SITE)),
            WithoutTrailingSlash(QStringLiteral(TESSALINE_MAKER_SITE)),
            WithoutTrailingSlash(QStringLiteral(TESSALINE_HELP_SITE))};
}

void SetSiteAddresses(const std::optional<SiteAddresses>& sites)
{
    replacedSites = sites;
    if (replacedSites) {
        replacedSites->program = WithoutTrailingSlash(replacedSites->program);
        replacedSites->maker = WithoutTrailingSlash(replacedSites->maker);
        replacedSites->help = WithoutTrailingSlash(replacedSites->help);
    }
}

namespace {

SiteAddresses Sites()
{
    return replacedSites ? *replacedSites : BuiltSiteAddresses();
}

// Opens site + path, or says that this build sets no address for the page.
void OpenOnSite(const QString& site, const QString& path, const QString& page)
{
    if (site.isEmpty()) {
        ShowMessage(
            nullptr, MessageIcon::Information,
            QObject::tr("This copy of QB Tessaline has no address for %1: it was built without one.").arg(page));
        return;
    }
    OpenWebPage(site + path);
}

} // namespace

QString ProgramSiteAddress()
{
    return Sites().program;
}
QString MakerSiteAddress()
{
    return Sites().maker;
}
QString HelpSiteAddress()
{
    return Sites().help;
}
QString HomePageAddress()
{
    const QString site = MakerSiteAddress();
    return site.isEmpty() ? QString() : site + QLatin1Char('/');
}

QString ManualPath()
{
    const QStringList candidates{
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/doc/tessaline/manual.html"),
        QStringLiteral(TESSALINE_SOURCE_DIR "/docs/manual.html"),
    };
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile())
            return QFileInfo(candidate).canonicalFilePath();
    return {};
}

void OpenOnlineHelp()
{
    if (!ProgramSiteAddress().isEmpty()) {
        OpenWebPage(ProgramSiteAddress() + QStringLiteral("/qb-free-tessaline-help.html"));
        return;
    }
    const QString manual = ManualPath();
    if (manual.isEmpty()) {
        ShowMessage(nullptr, MessageIcon::Information,
                    QObject::tr("The manual of QB Tessaline is not installed, and this copy has no address for "
                                "online help."));
        return;
    }
    OpenWebPage(QString::fromUtf8(QUrl::fromLocalFile(manual).toEncoded()));
}
void OpenDownloadPage()
{
    OpenOnSite(ProgramSiteAddress(), QStringLiteral("/download-qb-free-tessaline.html"),
               QObject::tr("the download page"));
}
void OpenHomePage()
{
    OpenOnSite(MakerSiteAddress(), QStringLiteral("/"), QObject::tr("the home page"));
}
void OpenDonationPage()
{
    OpenOnSite(HelpSiteAddress(), QStringLiteral("/donate.html"), QObject::tr("the donation page"));
}
void OpenCoBrandPage()
{
    OpenOnSite(HelpSiteAddress(), QStringLiteral("/co-brand.html"), QObject::tr("the co-branding page"));
}

HelpMenuEntries AddHelpMenus(QMenuBar* bar, const QString& updateCaption)
{
    const auto entry = [](QMenu* menu, const QString& caption, const char* name) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenu* help = bar->addMenu(QObject::tr("&Help"));
    HelpMenuEntries entries{};
    entries.mnuOnline = entry(help, QObject::tr("&Online Help"), "mnuOnline");
    entries.mnuVisit = entry(help, QObject::tr("&Visit Us Online"), "mnuVisit");
    help->addSeparator();
    entries.mnuUpdate = entry(help, updateCaption, "mnuUpdate");
    help->addSeparator();
    entries.mnuAbout = entry(help, QObject::tr("&About Software"), "mnuAbout");

    // A menu-bar entry of its own, without a submenu: it acts when clicked.
    entries.mnuDonate = bar->addAction(QObject::tr("&Donate"));
    entries.mnuDonate->setObjectName(QStringLiteral("mnuDonate"));

    QObject::connect(entries.mnuOnline, &QAction::triggered, bar, &OpenOnlineHelp);
    QObject::connect(entries.mnuVisit, &QAction::triggered, bar, &OpenHomePage);
    QObject::connect(entries.mnuUpdate, &QAction::triggered, bar, &OpenDownloadPage);
    QObject::connect(entries.mnuDonate, &QAction::triggered, bar, &OpenDonationPage);
    return entries;
}

void CloseAllAndEnd()
{
    // Closing a window may lead back here (its close handling ends the program too); do the work once.
    static bool ending = false;
    if (ending) {
        return;
    }
    ending = true;
    QApplication::closeAllWindows();
    QCoreApplication::quit();
    ending = false;
}

} // namespace tessaline
