// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/frmAbout.h"

#include "desktop/DesktopLook.h"
#include "desktop/ImageList.h"
#include "desktop/LinkLabel.h"
#include "desktop/modHelp.h"
#include "ephemeris/PreciseEphemeris.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tessaline {

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(ProgramTitle());
    setWindowIcon(ProgramIcon());
    setFont(DesktopFont());
    setModal(true);

    buildTitle();
    QLabel* atlasCredit = buildNotes();
    buildBottom();
    makeReadable(atlasCredit);
    layOut(atlasCredit);
    connectControls();
}

// The program's icon, its name and what it does.
void frmAbout::buildTitle()
{
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(ProgramIcon().pixmap(QSize(64, 64), devicePixelRatioF()));
    picIcon->setAccessibleName(tr("Program icon"));

    Label2 = new QLabel(ProgramTitle(), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont title = Label2->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.4);
    Label2->setFont(title);

    Label1 = new QLabel(
        QStringLiteral("QB Tessaline calculates the decanate sign in which the different planets of your natal chart "
                       "are placed in based on tropical astrology. Each zodiac sign is divided into three decanates of "
                       "ten degrees each. These decanates influence the finer attributes of an individual's "
                       "personality."),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
}

// The atlas's credit (returned), the offer to brand the program, where precise positions come from and the
// licence.
QLabel* frmAbout::buildNotes()
{
    // The place atlas's data licence asks for this credit wherever the data is used.
    auto* atlasCredit
        = new QLabel(tr("Place names, coordinates and populations: GeoNames (geonames.org), licensed under Creative "
                        "Commons Attribution 4.0; selected, reformatted and combined with other data for QB "
                        "Tessaline. Clock history: the IANA time zone database on this computer."),
                     this);
    atlasCredit->setObjectName(QStringLiteral("lblAtlasCredit"));

    Label3 = new QLabel(tr("Would you like QB Tessaline on your own web site, carrying your name and look? "
                           "We brand it for you."),
                        this);
    Label3->setObjectName(QStringLiteral("Label3"));

    // Where precise positions come from, and whether its data files were found.
    lblEphemeris
        = new QLabel(tr("Precise positions: %1.").arg(QString::fromStdString(PreciseEphemerisDescription())), this);
    lblEphemeris->setObjectName(QStringLiteral("lblEphemeris"));

    lblLicence = new QLabel(tr("QB Tessaline is free software: you may share and change it under the GNU General "
                               "Public License, version 3 or later. It comes with no warranty."),
                            this);
    lblLicence->setObjectName(QStringLiteral("lblLicence"));

    lblCoBrand = new LinkLabel(QStringLiteral("Click here for more details."), this);
    lblCoBrand->setObjectName(QStringLiteral("lblCoBrand"));
    return atlasCredit;
}

// The rule, the home page link and OK.
void frmAbout::buildBottom()
{
    Line2 = new QFrame(this);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setFrameShape(QFrame::HLine);
    Line2->setFrameShadow(QFrame::Sunken);

    const QString homePage = HomePageAddress();
    lblHomePage = new LinkLabel(QStringLiteral("Click here to visit ")
                                    + (homePage.isEmpty() ? QStringLiteral("our home page") : homePage),
                                this);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
}

// Every text wraps and is read by a screen reader as the words it shows.
void frmAbout::makeReadable(QLabel* atlasCredit)
{
    for (QLabel* label : {Label2, Label1, atlasCredit, Label3, lblEphemeris, lblLicence,
                          static_cast<QLabel*>(lblCoBrand), static_cast<QLabel*>(lblHomePage)}) {
        label->setWordWrap(true);
        label->setAccessibleName(label->text());
    }
    cmdOK->setAccessibleName(QStringLiteral("OK"));
}

// Tab from OK to the links; the links open their pages, OK closes the box.
void frmAbout::connectControls()
{
    setTabOrder(cmdOK, lblCoBrand);
    setTabOrder(lblCoBrand, lblHomePage);

    connect(lblCoBrand, &LinkLabel::clicked, this, &OpenCoBrandPage);
    connect(lblHomePage, &LinkLabel::clicked, this, &OpenHomePage);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    cmdOK->setFocus(Qt::OtherFocusReason); // Enter closes the box; Tab goes on to the links
}

void frmAbout::layOut(QLabel* atlasCredit)
{
    auto* texts = new QVBoxLayout;
    texts->addWidget(Label2);
    texts->addWidget(Label1);
    texts->addWidget(atlasCredit);
    texts->addSpacing(6);
    texts->addWidget(Label3);
    texts->addWidget(lblCoBrand);
    texts->addSpacing(6);
    texts->addWidget(lblEphemeris);
    texts->addWidget(lblLicence);

    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(texts, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblHomePage, 1);
    bottom->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Line2);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The texts wrap in one column, at most 640 pixels across with the icon and the margins: the box's
    // height then follows from their lines, every one of them whole.
    constexpr int kMostWidth = 640;
    const QMargins margins = layout->contentsMargins();
    const int room
        = kMostWidth - margins.left() - margins.right() - picIcon->sizeHint().width() - 8 - 2 * top->spacing();
    const int column = std::min(room, fontMetrics().averageCharWidth() * 70);
    for (QLabel* label :
         {Label2, Label1, atlasCredit, Label3, lblEphemeris, lblLicence, static_cast<QLabel*>(lblCoBrand)})
        label->setFixedWidth(column);
    lblHomePage->setMaximumWidth(column);
}

} // namespace tessaline
