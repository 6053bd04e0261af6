#include "tools/demogen/vocabulary.h"

#include <array>
#include <stdexcept>
#include <string>

namespace expo::demogen {
namespace {

using sv = std::string_view;

constexpr Town kCzTowns[] = {
    {"Praha 9", "190 00", "2"},           {"Brno", "612 00", "54"},
    {"Ostrava", "702 00", "59"},          {"Plzeň", "301 00", "37"},
    {"Olomouc", "779 00", "58"},          {"Zlín", "760 01", "57"},
    {"Liberec", "460 01", "48"},          {"Hradec Králové", "500 02", "49"},
    {"Pardubice", "530 02", "46"},        {"České Budějovice", "370 01", "38"},
    {"Jihlava", "586 01", "56"},          {"Kroměříž", "767 01", "57"},
    {"Třebíč", "674 01", "56"},           {"Uherské Hradiště", "686 01", "57"},
    {"Frýdek-Místek", "738 01", "55"},    {"Děčín", "405 02", "41"},
    {"Žďár nad Sázavou", "591 01", "56"}, {"Lipová Hora", "798 12", "58"},
};
constexpr sv kCzStreets[] = {
    "Průmyslová", "Nádražní",    "Husova",       "Masarykova", "Tovární",    "Dělnická",
    "Polní",      "Zahradní",    "Lipová",       "Školní",     "Okružní",    "Vídeňská",
    "Olomoucká",  "Brněnská",    "Žižkova",      "Palackého",  "Komenského", "Na Výsluní",
    "U Mlýna",    "Řemeslnická", "Strojírenská", "Křižíkova",  "Za Humny",   "Třešňová",
};
constexpr sv kCzForms[] = {"s.r.o.", "a.s.", "spol. s r.o.", "v.o.s.", "s.r.o."};
constexpr sv kCzSurnames[] = {
    "Dvořák", "Hejl",  "Novotný", "Kučera",  "Procházka", "Šťastný", "Čermák",
    "Říha",   "Bureš", "Vlček",   "Zelenka", "Holub",     "Kříž",    "Jelínek",
};

constexpr Town kSkTowns[] = {
    {"Bratislava", "821 04", "2"}, {"Žilina", "010 01", "41"}, {"Trnava", "917 01", "33"},
    {"Košice", "040 01", "55"},    {"Nitra", "949 01", "37"},  {"Martin", "036 01", "43"},
};
constexpr sv kSkStreets[] = {"Priemyselná", "Hlavná",     "Štúrova",  "Mlynská",
                             "Vajanského",  "Železničná", "Pod Hájom"};
constexpr sv kSkForms[] = {"s.r.o.", "a.s.", "spol. s r.o."};
constexpr sv kSkSurnames[] = {"Kováč", "Baláž", "Horváth", "Mináč", "Ďurica", "Šimko", "Oravec"};

constexpr Town kDeTowns[] = {
    {"Dresden", "01067", "351"},  {"Leipzig", "04109", "341"},    {"Chemnitz", "09111", "371"},
    {"Nürnberg", "90402", "911"}, {"Regensburg", "93047", "941"},
};
constexpr sv kDeStreets[] = {"Industriestraße", "Hauptstraße", "Bahnhofstraße",
                             "Am Werk",         "Gewerbering", "Mühlenweg"};
constexpr sv kDeForms[] = {"GmbH", "AG", "GmbH & Co. KG"};
constexpr sv kDeSurnames[] = {"Huber", "Lange", "Brenner", "Vogt", "Köhler", "Seidel", "Großmann"};

constexpr Town kAtTowns[] = {
    {"Wien", "1100", "1"},
    {"Linz", "4020", "732"},
    {"Graz", "8010", "316"},
    {"Sankt Pölten", "3100", "2742"},
};
constexpr sv kAtStreets[] = {"Industriezeile", "Hauptplatz", "Gewerbestraße", "Wiener Straße"};
constexpr sv kAtForms[] = {"GmbH", "AG"};
constexpr sv kAtSurnames[] = {"Gruber", "Pichler", "Steiner", "Moser", "Hofer"};

constexpr Town kPlTowns[] = {
    {"Katowice", "40-001", "32"}, {"Wrocław", "50-001", "71"}, {"Kraków", "30-001", "12"},
    {"Opole", "45-001", "77"},    {"Gliwice", "44-100", "32"},
};
constexpr sv kPlStreets[] = {"ul. Przemysłowa", "ul. Fabryczna", "ul. Kolejowa", "ul. Słoneczna",
                             "ul. Źródlana"};
constexpr sv kPlForms[] = {"Sp. z o.o.", "S.A."};
constexpr sv kPlSurnames[] = {"Nowicki", "Wójcik", "Przybylski", "Zając", "Kołodziej", "Szymański"};

constexpr Town kHuTowns[] = {
    {"Budapest", "1117", "1"}, {"Győr", "9021", "96"}, {"Szeged", "6720", "62"}};
constexpr sv kHuStreets[] = {"Ipari út", "Fő utca", "Kossuth utca"};
constexpr sv kHuForms[] = {"Kft.", "Zrt."};
constexpr sv kHuSurnames[] = {"Kovács", "Szabó", "Tóth", "Fekete"};

constexpr std::array<CountryWords, 6> kCountries = {{
    {"CZE", "Česká republika", "Czech Republic", "+420", 60, kCzTowns, kCzStreets, kCzForms,
     kCzSurnames, "a"},
    {"SVK", "Slovensko", "Slovakia", "+421", 12, kSkTowns, kSkStreets, kSkForms, kSkSurnames, "a"},
    {"DEU", "Německo", "Germany", "+49", 10, kDeTowns, kDeStreets, kDeForms, kDeSurnames, "&"},
    {"POL", "Polsko", "Poland", "+48", 8, kPlTowns, kPlStreets, kPlForms, kPlSurnames, "i"},
    {"AUT", "Rakousko", "Austria", "+43", 5, kAtTowns, kAtStreets, kAtForms, kAtSurnames, "&"},
    {"HUN", "Maďarsko", "Hungary", "+36", 5, kHuTowns, kHuStreets, kHuForms, kHuSurnames, "és"},
}};

constexpr sv kStems[] = {"Kovo",   "Stroj", "Elektro", "Stavo", "Dřevo", "Agro",
                         "Techno", "Hydro", "Termo",   "Pneu",  "Eko",   "Meta",
                         "Plasto", "Beto",  "Sklo",    "Mlyno", "Solar", "Viko",
                         "Lumi",   "Tera",  "Proto",   "Vekto", "Servo", "Astro"};
constexpr sv kEndings[] = {"lis",   "mont", "tech", "servis", "stav", "form", "pol",
                           "trans", "vent", "spoj", "kov",    "tron", "flex", "line",
                           "mat",   "dom",  "par",  "max",    "norm", "ritm"};
constexpr sv kTrades[] = {"Strojírna",   "Slévárna", "Pekárna", "Truhlářství", "Stavebniny",
                          "Zámečnictví", "Lisovna",  "Pila",    "Mlékárna",    "Kovárna"};

constexpr sv kFirms[] = {
    "Nordhamm Werkzeuge GmbH",  "NORDHAMM WERKZEUGE GMBH",  " Nordhamm Werkzeuge GmbH  ",
    "Brennberg Hydraulik AG",   "Tavola Macchine S.r.l.",   "Dunacent Kft.",
    "Hutní sklady Ostrov a.s.", "HUTNÍ SKLADY OSTROV A.S.", "Elvia Trading Ltd.",
    "Kovárna Lhotka s.r.o.",    " kovárna lhotka s.r.o.",   "Fabryka Narzędzi Wisłok S.A.",
    "Südhang Antriebe GmbH",    "Orlík Elektro a.s.",       "Přesná mechanika Hrádek s.r.o.",
};
constexpr sv kBrands[] = {
    "ProFlex",  "PROFLEX",  " ProFlex ", "Fortalux",     "FORTALUX",     "Hydrina",
    "Šikovník", "ŠIKOVNÍK", "Žhavka",    "Čistín",       "Trivex",       "Kornel",
    "Brixel",   "Vindex",   "Karat 9",   "Modrá hvězda", "MODRÁ HVĚZDA", "Delta Line",
    "Polarix",  "Orbis",    "Terranova", "Dřevák",       "  dřevák",     "Strojník Plus",
};

}  // namespace

std::span<const CountryWords> countries() {
    return kCountries;
}

const CountryWords& country(std::string_view code) {
    for (const auto& c : kCountries) {
        if (c.code == code) {
            return c;
        }
    }
    throw std::logic_error("unknown country " + std::string(code));
}

std::span<const std::string_view> nameStems() {
    return kStems;
}
std::span<const std::string_view> nameEndings() {
    return kEndings;
}
std::span<const std::string_view> tradesCzech() {
    return kTrades;
}
std::span<const std::string_view> representedFirms() {
    return kFirms;
}
std::span<const std::string_view> brandNames() {
    return kBrands;
}

}  // namespace expo::demogen
