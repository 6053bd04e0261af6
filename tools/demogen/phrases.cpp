#include "tools/demogen/phrases.h"

namespace expo::demogen {
namespace {

// clang-format off
constexpr Phrase kSections[] = {
    {"Strojírenství", "Mechanical engineering", "Maschinenbau", "Przemysł maszynowy", "Strojárstvo"},
    {"Elektrotechnika a automatizace", "Electrical engineering and automation", "Elektrotechnik und Automatisierung", "Elektrotechnika i automatyka", "Elektrotechnika a automatizácia"},
    {"Stavebnictví", "Construction", "Bauwesen", "Budownictwo", "Stavebníctvo"},
    {"Dřevo a nábytek", "Wood and furniture", "Holz und Möbel", "Drewno i meble", "Drevo a nábytok"},
    {"Potraviny a obaly", "Food and packaging", "Lebensmittel und Verpackung", "Żywność i opakowania", "Potraviny a obaly"},
    {"Zemědělství a lesnictví", "Agriculture and forestry", "Land- und Forstwirtschaft", "Rolnictwo i leśnictwo", "Poľnohospodárstvo a lesníctvo"},
    {"Služby a logistika", "Services and logistics", "Dienstleistungen und Logistik", "Usługi i logistyka", "Služby a logistika"},
    {"Vzdělávání a věda", "Education and science", "Bildung und Wissenschaft", "Edukacja i nauka", "Vzdelávanie a veda"},
};

constexpr Phrase kDescription[] = {
    {"Společnost {name} byla založena v roce {year} a dnes zaměstnává {staff} pracovníků.",
     "{name} was founded in {year} and today employs {staff} people.",
     "Die Firma {name} wurde {year} gegründet und beschäftigt heute {staff} Mitarbeiter.",
     "Firma {name} została założona w roku {year} i zatrudnia obecnie {staff} pracowników.",
     "Spoločnosť {name} bola založená v roku {year} a dnes zamestnáva {staff} pracovníkov."},
    {"Obor: {field}. Na veletrhu představujeme: {products}.",
     "Field: {field}. At the fair we present: {products}.",
     "Fachgebiet: {field}. Auf der Messe zeigen wir: {products}.",
     "Branża: {field}. Na targach prezentujemy: {products}.",
     "Odbor: {field}. Na veľtrhu predstavujeme: {products}."},
    {"Těšíme se na vás v pavilonu {area}, stánek {stand}.",
     "We look forward to seeing you in hall {area}, stand {stand}.",
     "Wir freuen uns auf Ihren Besuch in Halle {area}, Stand {stand}.",
     "Zapraszamy do pawilonu {area}, stoisko {stand}.",
     "Tešíme sa na vás v pavilóne {area}, stánok {stand}."},
};

constexpr Phrase kNotes[] = {
    {"Hlavní partner veletrhu", "Main partner of the fair", "Hauptpartner der Messe", "Główny partner targów", "Hlavný partner veľtrhu"},
    {"Poprvé na veletrhu", "First time at the fair", "Zum ersten Mal auf der Messe", "Po raz pierwszy na targach", "Prvýkrát na veľtrhu"},
    {"Oceněný exponát v soutěži Zlatý klíč", "Award-winning exhibit in the Golden Key contest", "Preisgekröntes Exponat im Wettbewerb Goldener Schlüssel", "Nagrodzony eksponat w konkursie Złoty Klucz", "Ocenený exponát v súťaži Zlatý kľúč"},
    {"Předvádění strojů v provozu každý den v 11 a ve 14 hodin", "Live machine demonstrations daily at 11 am and 2 pm", "Maschinenvorführungen täglich um 11 und 14 Uhr", "Pokazy maszyn codziennie o 11:00 i 14:00", "Predvádzanie strojov každý deň o 11. a 14. hodine"},
    {"Veletržní sleva 10 % na objednávky na stánku", "10 % fair discount on orders at the stand", "10 % Messerabatt auf Bestellungen am Stand", "10 % rabatu targowego na zamówienia na stoisku", "Veľtržná zľava 10 % na objednávky na stánku"},
};

constexpr Phrase kAdditional[] = {
    {"Certifikace ISO 9001", "ISO 9001 certified", "Zertifiziert nach ISO 9001", "Certyfikat ISO 9001", "Certifikácia ISO 9001"},
    {"Certifikace ISO 14001", "ISO 14001 certified", "Zertifiziert nach ISO 14001", "Certyfikat ISO 14001", "Certifikácia ISO 14001"},
    {"Rodinná firma od roku 1992", "Family business since 1992", "Familienunternehmen seit 1992", "Firma rodzinna od 1992 roku", "Rodinná firma od roku 1992"},
    {"Vlastní vývoj a konstrukce", "In-house development and design", "Eigene Entwicklung und Konstruktion", "Własny dział badań i rozwoju", "Vlastný vývoj a konštrukcia"},
    {"Servis 24 hodin denně", "Service around the clock", "Service rund um die Uhr", "Serwis 24 godziny na dobę", "Servis 24 hodín denne"},
    {"Dodávky na zakázku do 14 dnů", "Custom orders delivered within 14 days", "Sonderanfertigungen in 14 Tagen", "Zamówienia indywidualne w ciągu 14 dni", "Dodávky na zákazku do 14 dní"},
    {"Držitel ceny Zlatý klíč", "Winner of the Golden Key award", "Träger des Preises Goldener Schlüssel", "Laureat nagrody Złoty Klucz", "Držiteľ ceny Zlatý kľúč"},
};

constexpr Phrase kNomenclatureNotes[] = {
    {"Vlastní výroba a servis.", "Own production and service.", "Eigene Fertigung und Service.", "Własna produkcja i serwis.", "Vlastná výroba a servis."},
    {"Výhradní zastoupení pro Českou republiku.", "Sole agency for the Czech Republic.", "Alleinvertretung für Tschechien.", "Wyłączne przedstawicielstwo na Czechy.", "Výhradné zastúpenie pre Českú republiku."},
    {"Dodávky včetně montáže\r\na zaškolení obsluhy.", "Delivery including installation\r\nand operator training.", "Lieferung mit Montage\r\nund Bedienerschulung.", "Dostawa z montażem\r\ni szkoleniem obsługi.", "Dodávky vrátane montáže\r\na zaškolenia obsluhy."},
    {"Půjčovna i prodej.", "Rental and sale.", "Vermietung und Verkauf.", "Wynajem i sprzedaż.", "Požičovňa aj predaj."},
};

constexpr Phrase kMachineryExhibits[] = {
    {"{product} řady {model} se spotřebou energie nižší o {percent} %", "{product}, {model} series, using {percent} % less energy", "{product} der Serie {model} mit {percent} % weniger Energieverbrauch", "", ""},
    {"{product} {model} s dálkovou správou a diagnostikou", "{product} {model} with remote management and diagnostics", "{product} {model} mit Fernwartung und Diagnose", "", ""},
    {"{product} {model} v provedení pro nepřetržitý provoz", "{product} {model} built for continuous operation", "{product} {model} für den Dauerbetrieb", "", ""},
    {"Modulární systém {model}: {product}", "Modular system {model}: {product}", "Modulares System {model}: {product}", "", ""},
};

constexpr Phrase kGoodsExhibits[] = {
    {"{product} {model} z nové řady s delší životností", "{product} {model} from a new range with a longer service life", "{product} {model} aus der neuen Reihe mit längerer Lebensdauer", "", ""},
    {"{product} {model} v nových rozměrech", "{product} {model} in new sizes", "{product} {model} in neuen Größen", "", ""},
    {"Ucelený sortiment {model}: {product}", "Complete range {model}: {product}", "Komplettsortiment {model}: {product}", "", ""},
    {"{product} {model} z recyklovaných materiálů", "{product} {model} made from recycled materials", "{product} {model} aus recycelten Materialien", "", ""},
};

constexpr Phrase kFoodExhibits[] = {
    {"{product} z regionálních surovin", "{product} from regional ingredients", "{product} aus regionalen Zutaten", "", ""},
    {"{product} bez konzervantů", "{product} without preservatives", "{product} ohne Konservierungsstoffe", "", ""},
    {"Sezónní novinky: {product}", "Seasonal specialities: {product}", "Saisonale Spezialitäten: {product}", "", ""},
    {"{product} podle tradiční receptury", "{product} to a traditional recipe", "{product} nach traditionellem Rezept", "", ""},
};

constexpr Phrase kServiceExhibits[] = {
    {"{product}: nabídka pro malé a střední firmy", "{product}: an offer for small and medium-sized firms", "{product}: ein Angebot für kleine und mittlere Unternehmen", "", ""},
    {"{product}: konzultace zdarma na stánku", "{product}: free consultations at the stand", "{product}: kostenlose Beratung am Stand", "", ""},
    {"{product}: novinky roku 2025", "{product}: what is new in 2025", "{product}: Neuheiten 2025", "", ""},
    {"{product}: program spolupráce s firmami", "{product}: a programme of cooperation with firms", "{product}: ein Programm für die Zusammenarbeit mit Firmen", "", ""},
};
// clang-format on

}  // namespace

std::span<const Phrase> sectionNames() {
    return kSections;
}
std::span<const Phrase> descriptionLines() {
    return kDescription;
}
std::span<const Phrase> publicNotes() {
    return kNotes;
}
std::span<const Phrase> additionalInfo() {
    return kAdditional;
}
std::span<const Phrase> nomenclatureNotes() {
    return kNomenclatureNotes;
}
std::span<const Phrase> exhibitTexts(FieldKind kind) {
    switch (kind) {
        case FieldKind::Goods:
            return kGoodsExhibits;
        case FieldKind::Food:
            return kFoodExhibits;
        case FieldKind::Service:
            return kServiceExhibits;
        case FieldKind::Machinery:
            break;
    }
    return kMachineryExhibits;
}

std::string fill(std::string_view phrase,
                 std::initializer_list<std::pair<std::string_view, std::string>> values) {
    std::string out;
    size_t pos = 0;
    while (pos < phrase.size()) {
        const size_t open = phrase.find('{', pos);
        const size_t close = open == std::string_view::npos ? open : phrase.find('}', open);
        if (close == std::string_view::npos) {
            out.append(phrase.substr(pos));
            break;
        }
        out.append(phrase.substr(pos, open - pos));
        const std::string_view key = phrase.substr(open + 1, close - open - 1);
        bool found = false;
        for (const auto& [name, value] : values) {
            if (name == key) {
                out += value;
                found = true;
                break;
            }
        }
        if (!found) {
            out.append(phrase.substr(open, close - open + 1));
        }
        pos = close + 1;
    }
    return out;
}

}  // namespace expo::demogen
