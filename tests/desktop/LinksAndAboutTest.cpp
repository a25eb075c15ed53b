// SPDX-License-Identifier: GPL-3.0-or-later
// Web links of both windows and the about box.

#include "DesktopTestSupport.h"

#include "desktop/LinkLabel.h"
#include "desktop/frmAbout.h"
#include "desktop/frmDisplay.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tessaline::testing {
namespace {

QString HomePage()
{
    return MakerSite() + QLatin1Char('/');
}
QString OnlineHelp()
{
    return ProgramSite() + QStringLiteral("/qb-free-tessaline-help.html");
}
QString DownloadPage()
{
    return ProgramSite() + QStringLiteral("/download-qb-free-tessaline.html");
}
QString DonationPage()
{
    return HelpSite() + QStringLiteral("/donate.html");
}
QString CoBrandPage()
{
    return HelpSite() + QStringLiteral("/co-brand.html");
}

struct Link {
    const char* label;
    std::function<void(frmMain&)> use; // acts on the birth data window or, via a calculation, the results
    QString address;
};

class WebLink : public DesktopTest, public ::testing::WithParamInterface<int>
{
protected:
    frmDisplay& Results()
    {
        FillValidForm();
        window->cmdRashi_Click();
        return *window->resultsWindow();
    }
};

const std::vector<Link>& Links()
{
    static const std::vector<Link> links{
        {"MainOnlineHelp", [](frmMain& w) { Child<QAction>(w, "mnuOnline")->trigger(); }, OnlineHelp()},
        {"MainVisit", [](frmMain& w) { Child<QAction>(w, "mnuVisit")->trigger(); }, HomePage()},
        {"MainUpdate", [](frmMain& w) { Child<QAction>(w, "mnuUpdate")->trigger(); }, DownloadPage()},
        {"MainDonate", [](frmMain& w) { Child<QAction>(w, "mnuDonate")->trigger(); }, DonationPage()},
        {"MainAdvertisement", [](frmMain& w) { QTest::mouseClick(Child<LinkLabel>(w, "Label61"), Qt::LeftButton); },
         HomePage()},
    };
    return links;
}

TEST_P(WebLink, BirthDataWindowOpensItsPage)
{
    const Link& link = Links()[static_cast<std::size_t>(GetParam())];
    link.use(*window);
    ASSERT_EQ(browser.opened.size(), 1U) << link.label;
    EXPECT_EQ(browser.opened[0], link.address) << link.label;
}

INSTANTIATE_TEST_SUITE_P(Entries, WebLink, ::testing::Range(0, 5), [](const auto& info) {
    return std::string(Links()[static_cast<std::size_t>(info.param)].label);
});

using ResultsLinks = WebLink;

TEST_F(ResultsLinks, ResultsWindowOpensTheSamePages)
{
    frmDisplay& results = Results();
    Child<QAction>(results, "mnuOnline")->trigger();
    Child<QAction>(results, "mnuVisit")->trigger();
    Child<QAction>(results, "mnuUpdate")->trigger();
    Child<QAction>(results, "mnuDonate")->trigger();
    QTest::mouseClick(Child<LinkLabel>(results, "Label61"), Qt::LeftButton);
    QTest::mouseClick(Child<LinkLabel>(results, "lblCoBrandAd"), Qt::LeftButton);
    EXPECT_EQ(
        browser.opened,
        (std::vector<QString>{OnlineHelp(), HomePage(), DownloadPage(), DonationPage(), HomePage(), CoBrandPage()}));
    EXPECT_EQ(Child<QAction>(results, "mnuUpdate")->text(), QStringLiteral("&Check for Software Update"));
    EXPECT_EQ(Child<QAction>(window, "mnuUpdate")->text(), QStringLiteral("Check for Software &Update"));
}

TEST_F(ResultsLinks, DonateIsAMenuBarEntryWithoutSubmenu)
{
    frmDisplay& results = Results();
    for (const auto& [bar, donate] : {std::pair{window->menuBar(), Child<QAction>(window, "mnuDonate")},
                                      std::pair{results.menuBar(), Child<QAction>(results, "mnuDonate")}}) {
        EXPECT_TRUE(bar->actions().contains(donate));
        EXPECT_EQ(donate->menu(), nullptr);
        EXPECT_EQ(donate->text(), QStringLiteral("&Donate"));
    }
    // Clicking it on the bar acts at once.
    results.activateWindow();
    const QRect place = results.menuBar()->actionGeometry(Child<QAction>(results, "mnuDonate"));
    QTest::mouseClick(results.menuBar(), Qt::LeftButton, {}, place.center());
    ASSERT_EQ(browser.opened.size(), 1U);
    EXPECT_EQ(browser.opened[0], DonationPage());
}

// A build that sets no site: Online Help opens the shipped manual; every other entry says it has no address
// and opens nothing, rather than a placeholder.
TEST_P(WebLink, WithoutASiteSaysSoInsteadOfOpeningAPage)
{
    SetSiteAddresses(SiteAddresses{});
    const Link& link = Links()[static_cast<std::size_t>(GetParam())];
    link.use(*window);
    if (link.address == OnlineHelp()) {
        EXPECT_TRUE(messages.shown.empty());
        ASSERT_EQ(browser.opened.size(), 1U);
        EXPECT_TRUE(browser.opened[0].startsWith(QStringLiteral("file:///"))) << browser.opened[0].toStdString();
        EXPECT_TRUE(browser.opened[0].endsWith(QStringLiteral("/docs/manual.html"))
                    || browser.opened[0].endsWith(QStringLiteral("/share/doc/tessaline/manual.html")));
    } else {
        EXPECT_TRUE(browser.opened.empty()) << link.label;
        ASSERT_EQ(messages.shown.size(), 1U) << link.label;
        EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("has no address for"))) << link.label;
    }
}

// Opens the about box from a window's Help menu and hands it to `check` while it runs modally.
void WithAboutBox(QAction* about, const std::function<void(frmAbout&)>& check)
{
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "the about box runs modally";
        check(*box);
        checked = true;
        if (box->isVisible()) {
            QTest::mouseClick(box->cmdOK, Qt::LeftButton);
        }
    });
    about->trigger();
    EXPECT_TRUE(checked);
}

using AboutBox = DesktopTest;

TEST_F(AboutBox, ShowsItsTextsAndLinks)
{
    WithAboutBox(Child<QAction>(window, "mnuAbout"), [&](frmAbout& box) {
        EXPECT_EQ(box.parentWidget(), window.get());
        EXPECT_EQ(box.windowTitle(), QStringLiteral("QB Tessaline v1.15"));
        EXPECT_EQ(box.Label2->text(), QStringLiteral("QB Tessaline v1.15"));
        EXPECT_EQ(box.Label1->text(),
                  QStringLiteral("QB Tessaline calculates the decanate sign in which the different planets of your "
                                 "natal chart are placed in based on tropical astrology. Each zodiac sign is divided "
                                 "into three decanates of ten degrees each. These decanates influence the finer "
                                 "attributes of an individual's personality."));
        EXPECT_EQ(box.lblCoBrand->text(), QStringLiteral("Click here for more details."));
        EXPECT_EQ(box.lblHomePage->text(), QStringLiteral("Click here to visit ") + HomePage());
        EXPECT_EQ(box.cmdOK->text(), QStringLiteral("OK"));
        EXPECT_FALSE(box.picIcon->pixmap().isNull());
        QTest::mouseClick(box.lblCoBrand, Qt::LeftButton);
        QTest::mouseClick(box.lblHomePage, Qt::LeftButton);
    });
    EXPECT_EQ(browser.opened, (std::vector<QString>{CoBrandPage(), HomePage()}));
}

// The box opens with the focus on OK: Enter closes it and opens no page.
TEST_F(AboutBox, EnterClosesItWithoutFollowingALink)
{
    WithAboutBox(Child<QAction>(window, "mnuAbout"), [&](frmAbout& box) {
        QApplication::setActiveWindow(&box);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
        EXPECT_EQ(QApplication::focusWidget(), box.cmdOK)
            << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "none");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(box.isVisible());
    });
    EXPECT_TRUE(browser.opened.empty());
}

TEST_F(AboutBox, OkClosesItAndTheResultsWindowHasOneToo)
{
    FillValidForm();
    window->cmdRashi_Click();
    frmDisplay* results = window->resultsWindow();
    ASSERT_NE(results, nullptr);
    WithAboutBox(Child<QAction>(results, "mnuAbout"), [&](frmAbout& box) {
        EXPECT_EQ(box.parentWidget(), results);
        QTest::mouseClick(box.cmdOK, Qt::LeftButton);
        EXPECT_FALSE(box.isVisible());
    });
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(results->isVisible());
}

} // namespace
} // namespace tessaline::testing
