// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace tessaline {

class LinkLabel;

// The about box: shown modally over the window that asked for it.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent);

    QLabel* picIcon = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblEphemeris = nullptr;
    QLabel* lblLicence = nullptr;
    LinkLabel* lblCoBrand = nullptr;
    LinkLabel* lblHomePage = nullptr;
    QFrame* Line2 = nullptr;
    QPushButton* cmdOK = nullptr;

private:
    void buildTitle();
    QLabel* buildNotes();
    void buildBottom();
    void makeReadable(QLabel* atlasCredit);
    void layOut(QLabel* atlasCredit);
    void connectControls();
};

} // namespace tessaline
