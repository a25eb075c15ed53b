// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tessaline {

// Looks a place up on the web: opens the default browser on a search for the query. The query is
// percent-encoded whole, so blanks, '&', '#', '+' and quotes reach the search as typed.
class LocationSearch
{
public:
    // The search address the query is appended to, e.g. "https://search.example.org/?q=".
    explicit LocationSearch(QString searchAddress = DefaultSearchAddress());

    // siteAddress names the site that asks (the maker's home page); the search itself does not need it.
    // Returns false when there was nothing to search for.
    bool search(const QString& query, const QString& siteAddress) const;

    // The address that search() opens for a query.
    QString addressFor(const QString& query) const;

    static QString DefaultSearchAddress();

private:
    QString searchAddress_;
};

} // namespace tessaline
