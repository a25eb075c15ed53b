// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/modHelp.h"

#include "desktop/MessagePresenter.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>

namespace tessaline {

namespace {

UrlOpener* installed = nullptr;

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

QString ProgramSiteAddress()
{
    return WithoutTrailingSlash(QStringLiteral(TESSALINE_PROGRAM_SITE));
}
QString MakerSiteAddress()
{
    return WithoutTrailingSlash(QStringLiteral(TESSALINE_MAKER_SITE));
}
QString HelpSiteAddress()
{
    return WithoutTrailingSlash(QStringLiteral(TESSALINE_HELP_SITE));
}
QString HomePageAddress()
{
    return MakerSiteAddress() + QLatin1Char('/');
}

void OpenOnlineHelp()
{
    OpenWebPage(ProgramSiteAddress() + QStringLiteral("/qb-free-tessaline-help.html"));
}
void OpenDownloadPage()
{
    OpenWebPage(ProgramSiteAddress() + QStringLiteral("/download-qb-free-tessaline.html"));
}
void OpenHomePage()
{
    OpenWebPage(HomePageAddress());
}
void OpenDonationPage()
{
    OpenWebPage(HelpSiteAddress() + QStringLiteral("/donate.html"));
}
void OpenCoBrandPage()
{
    OpenWebPage(HelpSiteAddress() + QStringLiteral("/co-brand.html"));
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
