// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/LocationSearch.h"

#include "desktop/modHelp.h"

#include <QUrl>

#include <utility>

namespace tessaline {

LocationSearch::LocationSearch(QString searchAddress)
    : searchAddress_(std::move(searchAddress))
{ }

QString LocationSearch::DefaultSearchAddress()
{
    return QStringLiteral(TESSALINE_PLACE_SEARCH);
}

QString LocationSearch::addressFor(const QString& query) const
{
    return searchAddress_ + QString::fromLatin1(QUrl::toPercentEncoding(query));
}

bool LocationSearch::search(const QString& query, const QString& siteAddress) const
{
    Q_UNUSED(siteAddress)
    if (query.isEmpty() || searchAddress_.isEmpty()) {
        return false;
    }
    OpenWebPage(addressFor(query));
    return true;
}

} // namespace tessaline
