// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ComparisonWindow.h"

#include "decanates/DecanateContacts.h"
#include "decanates/DecanateTable.h"
#include "desktop/QtString.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace tessaline {

ComparisonWindow::ComparisonWindow(const Chart& first, const Chart& second, QWidget* parent)
    : QDialog(parent)
    , first_(first)
    , second_(second)
{
    setObjectName(QStringLiteral("frmComparison"));
    setWindowTitle(tr("Shared Decanates"));
    if (parent != nullptr)
        setFont(parent->font());
    const std::vector<DecanateContact> contacts = DecanateContacts(first_, second_);
    lblComparison = new QLabel(this);
    lblComparison->setObjectName(QStringLiteral("lblComparison"));
    lblComparison->setWordWrap(true);
    lblComparison->setText(contacts.empty()
                               ? tr("No body of %1 stands in a decanate where a body of %2 stands.")
                                     .arg(FromUtf8(first_.Name()), FromUtf8(second_.Name()))
                               : tr("The bodies of %1 and %2 that stand in the same decanate, a pair a row.")
                                     .arg(FromUtf8(first_.Name()), FromUtf8(second_.Name())));
    grdContacts = new QTableWidget(static_cast<int>(contacts.size()), 4, this);
    grdContacts->setObjectName(QStringLiteral("grdContacts"));
    grdContacts->setAccessibleName(tr("Shared decanates"));
    grdContacts->setHorizontalHeaderLabels(
        {FromUtf8(first_.Name()), FromUtf8(second_.Name()), tr("Decanate"), tr("Sign and ruler")});
    grdContacts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdContacts->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdContacts->setTabKeyNavigation(false);
    grdContacts->setWordWrap(false);
    grdContacts->verticalHeader()->hide();
    grdContacts->verticalHeader()->setDefaultSectionSize(grdContacts->fontMetrics().height() * 3 / 2);
    grdContacts->horizontalHeader()->setStretchLastSection(true);
    constexpr std::array<const char*, 3> kOrdinals{"first", "second", "third"};
    for (int row = 0; row < grdContacts->rowCount(); ++row) {
        const DecanateContact& contact = contacts[static_cast<std::size_t>(row)];
        const DecanateResult texts = DecanateTexts(contact.decanate, first_.Scheme());
        const QString signAndRuler = texts.DecanateSign.empty()
            ? tr("ruled by %1").arg(FromUtf8(texts.RulingPlanet))
            : tr("%1, ruled by %2").arg(FromUtf8(texts.DecanateSign), FromUtf8(texts.RulingPlanet));
        const std::array<QString, 4> cells{
            FromUtf8(BodyName(contact.first)), FromUtf8(BodyName(contact.second)),
            tr("%1, %2 decanate")
                .arg(FromUtf8(LookUpDecanate(contact.decanate.signIndex, 1).DecanateSign),
                     QLatin1String(kOrdinals[static_cast<std::size_t>(contact.decanate.decanate - 1)])),
            signAndRuler};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(cells[static_cast<std::size_t>(column)]);
            item->setToolTip(FromUtf8(ContactSentence(contact, first_, second_)));
            grdContacts->setItem(row, column, item);
        }
    }
    grdContacts->resizeColumnsToContents();
    auto* close = new QPushButton(tr("&Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblComparison);
    layout->addWidget(grdContacts, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(680, 420);
}

std::optional<OuterRing> ComparisonWindow::ring() const
{
    return open_ ? std::optional(ChartRing(second_)) : std::nullopt;
}

void ComparisonWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!std::exchange(open_, true))
        emit ringChanged();
}

void ComparisonWindow::hideEvent(QHideEvent* event)
{
    open_ = false;
    emit ringChanged();
    QDialog::hideEvent(event);
}

} // namespace tessaline
