// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/FilteredLineEdit.h"
#include "desktop/LinkLabel.h"
#include "desktop/MessagePresenter.h"
#include "desktop/frmMain.h"
#include "desktop/modHelp.h"
#include "tests/desktop/FindControl.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tessaline::testing {

struct ShownMessage {
    MessageIcon icon;
    QString text;
};

// Records every message instead of showing a box.
class RecordingPresenter final : public MessagePresenter
{
public:
    Answer present(QWidget*, MessageIcon icon, const QString& text, Buttons) override
    {
        shown.push_back({icon, text});
        return Answer::Ok;
    }
    std::vector<ShownMessage> shown;
};

// Records every address instead of starting a browser.
class RecordingOpener final : public UrlOpener
{
public:
    void open(const QUrl& address) override { opened.push_back(address.toString(QUrl::FullyEncoded)); }
    std::vector<QString> opened;
};

// The sites the fixtures install, whatever the build sets (by default none).
inline QString ProgramSite()
{
    return QStringLiteral("https://program.test");
}
inline QString MakerSite()
{
    return QStringLiteral("https://maker.test");
}
inline QString HelpSite()
{
    return QStringLiteral("https://help.test");
}
inline SiteAddresses TestSites()
{
    return {ProgramSite(), MakerSite(), HelpSite()};
}

// A fresh birth data window with the message and browser seams recording.
class DesktopTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetMessagePresenter(&messages);
        SetUrlOpener(&browser);
        SetSiteAddresses(TestSites());
        window = std::make_unique<frmMain>();
        window->show();
        ActivateMain();
    }

    // Focus only moves inside the active window.
    void ActivateMain()
    {
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override
    {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetMessagePresenter(nullptr);
        SetUrlOpener(nullptr);
        SetSiteAddresses(std::nullopt);
    }

    // A form that passes every check: the defaults (1 January 1901, 0:00, GMT) and a name and place.
    void FillValidForm()
    {
        Child<FilteredLineEdit>(window, "txtName")->setText(QStringLiteral("JANE DOE"));
        Child<FilteredLineEdit>(window, "txtLonD")->setText(QStringLiteral("0"));
        Child<FilteredLineEdit>(window, "txtLonM")->setText(QStringLiteral("0"));
        Child<FilteredLineEdit>(window, "txtLatD")->setText(QStringLiteral("51"));
        Child<FilteredLineEdit>(window, "txtLatM")->setText(QStringLiteral("30"));
    }

    // Selects a date by its list texts.
    void SelectDate(int year, int month, int day)
    {
        SelectText(Child<QComboBox>(window, "cboYear"), QString::number(year));
        Child<QComboBox>(window, "cboMonth")->setCurrentIndex(month - 1);
        SelectText(Child<QComboBox>(window, "cboDate"), QString::number(day));
    }

    // Destroys windows that closed themselves.
    static void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    RecordingPresenter messages;
    RecordingOpener browser;
    std::unique_ptr<frmMain> window;
};
} // namespace tessaline::testing
