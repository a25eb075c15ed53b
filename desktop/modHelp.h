// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

#include <optional>

class QAction;
class QMenuBar;

namespace tessaline {

// Hands a web address to whatever opens it; the default is the desktop's browser.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl& address) = 0;
};

// Installs an opener (not owned); nullptr restores the desktop's browser.
void SetUrlOpener(UrlOpener* opener) noexcept;

// Opens the address in the default browser and returns at once. When no browser can be started, a message
// gives the address so that it can be copied.
void OpenWebPage(const QString& address);

// The three sites, fixed when the program is built (see desktop/CMakeLists.txt), without a trailing slash;
// empty when the build sets none.
struct SiteAddresses {
    QString program;
    QString maker;
    QString help;
};
SiteAddresses BuiltSiteAddresses();
// Other sites for this run (tests); nothing restores the built ones.
void SetSiteAddresses(const std::optional<SiteAddresses>& sites);

QString ProgramSiteAddress();
QString MakerSiteAddress();
QString HelpSiteAddress();

// The maker's home page: the main site's root; empty when no main site is set.
QString HomePageAddress();

// The manual shipped with the program (share/doc/tessaline/manual.html beside the installed program, or
// the source tree's docs/ for a build run in place); empty when neither is there.
QString ManualPath();

// Each opens its page; an entry whose site the build does not set says so in a message instead. Online
// Help opens the shipped manual when no program site is set.
void OpenOnlineHelp();
void OpenDownloadPage();
void OpenHomePage();
void OpenDonationPage();
void OpenCoBrandPage();

// The Help menu and the Donate entry that both windows carry, already wired to the link actions. The
// about entry is left for its window to connect, since the about box is modal over that window.
struct HelpMenuEntries {
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;
    QAction* mnuDonate;
};
HelpMenuEntries AddHelpMenus(QMenuBar* bar, const QString& updateCaption);

// Closes every window, each running its own close handling, and ends the program.
void CloseAllAndEnd();

} // namespace tessaline
