// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ChartComparison.h"

#include "base/CsvText.h"
#include "base/VisibleText.h"
#include "decanates/DecanateContacts.h"
#include "decanates/DecanateTable.h"
#include "report/ChartLines.h"

#include <nlohmann/json.hpp>

namespace tessaline {

namespace {

using Json = nlohmann::ordered_json;

Json PersonJson(const Chart& chart)
{
    return Json{{"name", chart.Name()}, {"instantUT", InstantUtText(chart)}};
}

Json DecanateJson(const DecanateContact& contact, DecanScheme scheme)
{
    const DecanateResult texts = DecanateTexts(contact.decanate, scheme);
    Json decanate{{"sign", std::string(LookUpDecanate(contact.decanate.signIndex, 1).DecanateSign)},
                  {"decanate", contact.decanate.decanate}};
    decanate["decanateSign"] = texts.DecanateSign.empty() ? Json(nullptr) : Json(std::string(texts.DecanateSign));
    decanate["rulingPlanet"] = std::string(texts.RulingPlanet);
    return decanate;
}

} // namespace

void AppendComparison(std::string& out, const Chart& first, const Chart& second, ChartFormat format)
{
    const std::vector<DecanateContact> contacts = DecanateContacts(first, second);
    switch (format) {
    case ChartFormat::Text:
        out += TerminalText("Decanates shared by " + first.Name() + " and " + second.Name());
        out += '\n';
        if (contacts.empty())
            out += "No body of either stands in a decanate where a body of the other stands.\n";
        for (const DecanateContact& contact : contacts) {
            out += TerminalText(ContactSentence(contact, first, second));
            out += '\n';
        }
        return;
    case ChartFormat::Json: {
        Json document{{"first", PersonJson(first)}, {"second", PersonJson(second)}};
        if (first.Scheme() != DecanScheme::Triplicity)
            document["scheme"] = std::string(NameOf(first.Scheme()).key);
        Json list = Json::array();
        for (const DecanateContact& contact : contacts)
            list.push_back(Json{{"decanate", DecanateJson(contact, first.Scheme())},
                                {"first", BodyName(contact.first)},
                                {"second", BodyName(contact.second)}});
        document["contacts"] = std::move(list);
        out += document.dump(2, ' ', false, Json::error_handler_t::replace);
        out += '\n';
        return;
    }
    case ChartFormat::Csv:
        out += "firstName,firstBody,secondName,secondBody,sign,decanate,decanateSign,rulingPlanet\n";
        for (const DecanateContact& contact : contacts) {
            const Json decanate = DecanateJson(contact, first.Scheme());
            AppendCsvField(out, first.Name());
            out += ',';
            out += BodyName(contact.first);
            out += ',';
            AppendCsvField(out, second.Name());
            out += ',';
            out += BodyName(contact.second);
            out += ',';
            out += decanate["sign"].get<std::string>();
            out += ',';
            out += std::to_string(contact.decanate.decanate);
            out += ',';
            if (!decanate["decanateSign"].is_null())
                out += decanate["decanateSign"].get<std::string>();
            out += ',';
            AppendCsvField(out, decanate["rulingPlanet"].get<std::string>());
            out += '\n';
        }
        return;
    }
}

} // namespace tessaline
