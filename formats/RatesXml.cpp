#include "formats/RatesXml.h"

#include <pugixml.hpp>

#include <algorithm>

#include "formats/QuotedField.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

/// The element's name without its namespace prefix.
std::string_view LocalName(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node FirstChild(const pugi::xml_node& parent, std::string_view localName) {
    for (const pugi::xml_node& child : parent.children()) {
        if (child.type() == pugi::node_element && LocalName(child) == localName) {
            return child;
        }
    }
    return {};
}

}  // namespace

bool CRatesXml::LooksLikeXml(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && text[first] == '<';
}

bool CRatesXml::Read(std::string_view text, std::string& date, std::vector<CCurrencyRate>& rates,
                     CRatesReason& reason) {
    date.clear();
    rates.clear();
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
    if (!parsed) {
        reason = CRatesReason(CRatesReason::Code::kXmlMalformed,
                              {parsed.description(), std::to_string(parsed.offset)});
        return false;
    }
    const pugi::xml_node envelope = document.document_element();
    if (LocalName(envelope) != "Envelope") {
        reason = CRatesReason(CRatesReason::Code::kXmlNotEnvelope, {ShortField(envelope.name())});
        return false;
    }
    const pugi::xml_node day = FirstChild(FirstChild(envelope, "Cube"), "Cube");
    if (!day) {
        reason = CRatesReason(CRatesReason::Code::kXmlNoDay);
        return false;
    }
    date = day.attribute("time").value();
    for (const pugi::xml_node& cube : day.children()) {
        if (cube.type() != pugi::node_element || LocalName(cube) != "Cube") {
            continue;
        }
        const std::string code = cube.attribute("currency").value();
        const bool repeated = std::any_of(rates.begin(), rates.end(),
                                          [&code](const auto& rate) { return rate.code == code; });
        if (code.empty() || repeated) {
            reason = CRatesReason(CRatesReason::Code::kBadCode, {ShortField(code)});
            rates.clear();
            return false;
        }
        const std::string_view rateText = cube.attribute("rate").value();
        double perEuro = 0.0;
        if (!CCurrencyRate::ReadPerEuro(rateText, perEuro)) {
            reason = CRatesReason(CRatesReason::Code::kBadRate,
                                  {ShortField(code), ShortField(rateText)});
            rates.clear();
            return false;
        }
        rates.push_back({code, perEuro});
    }
    return true;
}
