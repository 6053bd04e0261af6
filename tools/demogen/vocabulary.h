#pragma once
// Word pools for invented exhibitors: countries with their towns, streets and telephone codes,
// and the parts that company names are made of. Every name made from them is invented.
#include <span>
#include <string_view>

namespace expo::demogen {

struct Town {
    std::string_view name;
    std::string_view postcode;
    std::string_view area;  // telephone area digits after the country code
};

struct CountryWords {
    std::string_view code;         // three-letter code
    std::string_view name;         // Czech name
    std::string_view addressName;  // name used in addresses abroad
    std::string_view phoneCode;    // "+420"
    int share;                     // percent of the exhibitors from this country
    std::span<const Town> towns;
    std::span<const std::string_view> streets;
    std::span<const std::string_view> legalForms;
    std::span<const std::string_view> surnames;
    std::string_view partnersJoin;  // "a", "&", "i"
};

std::span<const CountryWords> countries();
const CountryWords& country(std::string_view code);

// Syllables of coined company names ("Kovo" + "lis"), and trades that stand before a name.
std::span<const std::string_view> nameStems();
std::span<const std::string_view> nameEndings();
std::span<const std::string_view> tradesCzech();

// Represented firms and brands; the pools hold deliberate near-duplicates (other case, blanks).
std::span<const std::string_view> representedFirms();
std::span<const std::string_view> brandNames();

}  // namespace expo::demogen
