#include "tools/demogen/codelist.h"

#include <array>
#include <string>
#include <utility>

namespace expo::demogen {
namespace {

// clang-format off
constexpr std::array<Code, 150> kCodes = {{
    {"01", {"Obráběcí a tvářecí stroje", "Machine tools and forming machines", "Werkzeug- und Umformmaschinen", "Obrabiarki i maszyny do obróbki plastycznej", "Obrábacie a tvárniace stroje"}},
    {"01.01", {"Soustruhy", "Lathes", "Drehmaschinen", "Tokarki", "Sústruhy"}},
    {"01.02", {"Frézky", "Milling machines", "Fräsmaschinen", "Frezarki", "Frézky"}},
    {"01.03", {"Vrtačky a vyvrtávačky", "Drilling and boring machines", "Bohr- und Ausbohrmaschinen", "Wiertarki i wytaczarki", "Vŕtačky a vyvrtávačky"}},
    {"01.04", {"Brusky", "Grinding machines", "Schleifmaschinen", "Szlifierki", "Brúsky"}},
    {"01.05", {"Obráběcí centra CNC", "CNC machining centres", "CNC-Bearbeitungszentren", "Centra obróbcze CNC", "Obrábacie centrá CNC"}},
    {"01.06", {"Lisy a ohraňovací lisy", "Presses and press brakes", "Pressen und Abkantpressen", "Prasy i prasy krawędziowe", "Lisy a ohraňovacie lisy"}},
    {"01.07", {"Laserové řezací stroje", "Laser cutting machines", "Laserschneidmaschinen", "Wycinarki laserowe", "Laserové rezacie stroje"}},
    {"01.08", {"Pily na kov", "Metal saws", "Metallsägen", "Piły do metalu", "Píly na kov"}},
    {"01.09", {"Svařovací technika", "Welding equipment", "Schweißtechnik", "Sprzęt spawalniczy", "Zváracia technika"}},
    {"02", {"Nástroje a nářadí", "Tools", "Werkzeuge", "Narzędzia", "Nástroje a náradie"}},
    {"02.01", {"Řezné nástroje", "Cutting tools", "Schneidwerkzeuge", "Narzędzia skrawające", "Rezné nástroje"}},
    {"02.02", {"Upínací technika", "Clamping systems", "Spanntechnik", "Technika mocowania", "Upínacia technika"}},
    {"02.03", {"Ruční nářadí", "Hand tools", "Handwerkzeuge", "Narzędzia ręczne", "Ručné náradie"}},
    {"02.04", {"Elektrické nářadí", "Power tools", "Elektrowerkzeuge", "Elektronarzędzia", "Elektrické náradie"}},
    {"02.05", {"Pneumatické nářadí", "Pneumatic tools", "Druckluftwerkzeuge", "Narzędzia pneumatyczne", "Pneumatické náradie"}},
    {"02.06", {"Brusiva", "Abrasives", "Schleifmittel", "Materiały ścierne", "Brúsivá"}},
    {"02.07", {"Dílenská měřidla", "Workshop gauges", "Werkstattmessmittel", "Przyrządy pomiarowe warsztatowe", "Dielenské meradlá"}},
    {"02.08", {"Formy a lisovací nástroje", "Moulds and dies", "Formen und Stanzwerkzeuge", "Formy i wykrojniki", "Formy a lisovacie nástroje"}},
    {"02.09", {"Dílenské vybavení", "Workshop equipment", "Werkstatteinrichtung", "Wyposażenie warsztatów", "Dielenské vybavenie"}},
    {"03", {"Hydraulika a pneumatika", "Hydraulics and pneumatics", "Hydraulik und Pneumatik", "Hydraulika i pneumatyka", "Hydraulika a pneumatika"}},
    {"03.01", {"Hydraulická čerpadla", "Hydraulic pumps", "Hydraulikpumpen", "Pompy hydrauliczne", "Hydraulické čerpadlá"}},
    {"03.02", {"Hydraulické válce", "Hydraulic cylinders", "Hydraulikzylinder", "Siłowniki hydrauliczne", "Hydraulické valce"}},
    {"03.03", {"Ventily a rozvaděče", "Valves and directional valves", "Ventile und Wegeventile", "Zawory i rozdzielacze", "Ventily a rozvádzače"}},
    {"03.04", {"Kompresory", "Compressors", "Kompressoren", "Sprężarki", "Kompresory"}},
    {"03.05", {"Pneumatické válce", "Pneumatic cylinders", "Pneumatikzylinder", "Siłowniki pneumatyczne", "Pneumatické valce"}},
    {"03.06", {"Hadice a šroubení", "Hoses and fittings", "Schläuche und Verschraubungen", "Węże i złączki", "Hadice a skrutkovania"}},
    {"03.07", {"Filtry a úprava vzduchu", "Filters and air preparation", "Filter und Druckluftaufbereitung", "Filtry i przygotowanie powietrza", "Filtre a úprava vzduchu"}},
    {"03.08", {"Těsnění", "Seals", "Dichtungen", "Uszczelnienia", "Tesnenia"}},
    {"03.09", {"Mazací systémy", "Lubrication systems", "Schmiersysteme", "Układy smarowania", "Mazacie systémy"}},
    {"04", {"Elektrotechnika a energetika", "Electrical engineering and power", "Elektrotechnik und Energie", "Elektrotechnika i energetyka", "Elektrotechnika a energetika"}},
    {"04.01", {"Elektromotory", "Electric motors", "Elektromotoren", "Silniki elektryczne", "Elektromotory"}},
    {"04.02", {"Transformátory", "Transformers", "Transformatoren", "Transformatory", "Transformátory"}},
    {"04.03", {"Kabely a vodiče", "Cables and wires", "Kabel und Leitungen", "Kable i przewody", "Káble a vodiče"}},
    {"04.04", {"Rozváděče", "Switchboards", "Schaltanlagen", "Rozdzielnice", "Rozvádzače"}},
    {"04.05", {"Osvětlovací technika", "Lighting technology", "Lichttechnik", "Technika oświetleniowa", "Osvetľovacia technika"}},
    {"04.06", {"Fotovoltaické systémy", "Photovoltaic systems", "Photovoltaikanlagen", "Systemy fotowoltaiczne", "Fotovoltické systémy"}},
    {"04.07", {"Akumulátory a baterie", "Accumulators and batteries", "Akkumulatoren und Batterien", "Akumulatory i baterie", "Akumulátory a batérie"}},
    {"04.08", {"Elektroinstalační materiál", "Wiring accessories", "Elektroinstallationsmaterial", "Osprzęt elektroinstalacyjny", "Elektroinštalačný materiál"}},
    {"04.09", {"Záložní zdroje", "Backup power supplies", "Notstromversorgung", "Zasilacze awaryjne", "Záložné zdroje"}},
    {"05", {"Automatizace a řídicí technika", "Automation and control", "Automatisierung und Steuerungstechnik", "Automatyka i technika sterowania", "Automatizácia a riadiaca technika"}},
    {"05.01", {"Programovatelné automaty", "Programmable logic controllers", "Speicherprogrammierbare Steuerungen", "Sterowniki programowalne", "Programovateľné automaty"}},
    {"05.02", {"Průmyslové roboty", "Industrial robots", "Industrieroboter", "Roboty przemysłowe", "Priemyselné roboty"}},
    {"05.03", {"Senzory a snímače", "Sensors and transducers", "Sensoren und Messwandler", "Czujniki i przetworniki", "Senzory a snímače"}},
    {"05.04", {"Pohony a měniče", "Drives and inverters", "Antriebe und Umrichter", "Napędy i przemienniki", "Pohony a meniče"}},
    {"05.05", {"Průmyslové sítě", "Industrial networks", "Industrielle Netzwerke", "Sieci przemysłowe", "Priemyselné siete"}},
    {"05.06", {"Vizualizace a řídicí systémy", "Visualisation and control systems", "Visualisierung und Leitsysteme", "Wizualizacja i systemy sterowania", "Vizualizácia a riadiace systémy"}},
    {"05.07", {"Strojové vidění", "Machine vision", "Bildverarbeitung", "Systemy wizyjne", "Strojové videnie"}},
    {"05.08", {"Manipulační technika", "Handling systems", "Handhabungstechnik", "Technika manipulacyjna", "Manipulačná technika"}},
    {"05.09", {"Bezpečnost strojů", "Machine safety", "Maschinensicherheit", "Bezpieczeństwo maszyn", "Bezpečnosť strojov"}},
    {"06", {"Měřicí a zkušební technika", "Measuring and testing", "Mess- und Prüftechnik", "Technika pomiarowa i badawcza", "Meracia a skúšobná technika"}},
    {"06.01", {"Souřadnicové měřicí stroje", "Coordinate measuring machines", "Koordinatenmessgeräte", "Współrzędnościowe maszyny pomiarowe", "Súradnicové meracie stroje"}},
    {"06.02", {"Měření teploty", "Temperature measurement", "Temperaturmessung", "Pomiar temperatury", "Meranie teploty"}},
    {"06.03", {"Měření tlaku a průtoku", "Pressure and flow measurement", "Druck- und Durchflussmessung", "Pomiar ciśnienia i przepływu", "Meranie tlaku a prietoku"}},
    {"06.04", {"Zkušební stroje", "Testing machines", "Prüfmaschinen", "Maszyny wytrzymałościowe", "Skúšobné stroje"}},
    {"06.05", {"Defektoskopie", "Non-destructive testing", "Zerstörungsfreie Prüfung", "Badania nieniszczące", "Defektoskopia"}},
    {"06.06", {"Laboratorní přístroje", "Laboratory instruments", "Laborgeräte", "Aparatura laboratoryjna", "Laboratórne prístroje"}},
    {"06.07", {"Váhy a vážicí systémy", "Scales and weighing systems", "Waagen und Wägesysteme", "Wagi i systemy ważące", "Váhy a vážiace systémy"}},
    {"06.08", {"Kalibrace", "Calibration", "Kalibrierung", "Kalibracja", "Kalibrácia"}},
    {"06.09", {"Elektrické měřicí přístroje", "Electrical measuring instruments", "Elektrische Messgeräte", "Elektryczne przyrządy pomiarowe", "Elektrické meracie prístroje"}},
    {"07", {"Stavební materiály", "Building materials", "Baustoffe", "Materiały budowlane", "Stavebné materiály"}},
    {"07.01", {"Cihly a tvárnice", "Bricks and blocks", "Ziegel und Mauersteine", "Cegły i bloczki", "Tehly a tvárnice"}},
    {"07.02", {"Beton a betonové výrobky", "Concrete and concrete products", "Beton und Betonwaren", "Beton i wyroby betonowe", "Betón a betónové výrobky"}},
    {"07.03", {"Střešní krytiny", "Roofing", "Dacheindeckungen", "Pokrycia dachowe", "Strešné krytiny"}},
    {"07.04", {"Izolace", "Insulation", "Dämmstoffe", "Izolacje", "Izolácie"}},
    {"07.05", {"Okna a dveře", "Windows and doors", "Fenster und Türen", "Okna i drzwi", "Okná a dvere"}},
    {"07.06", {"Omítky a barvy", "Plasters and paints", "Putze und Farben", "Tynki i farby", "Omietky a farby"}},
    {"07.07", {"Podlahy a obklady", "Floors and tiles", "Bodenbeläge und Fliesen", "Podłogi i okładziny", "Podlahy a obklady"}},
    {"07.08", {"Suchá výstavba", "Drywall systems", "Trockenbau", "Sucha zabudowa", "Suchá výstavba"}},
    {"07.09", {"Sanitární technika", "Sanitary equipment", "Sanitärtechnik", "Technika sanitarna", "Sanitárna technika"}},
    {"08", {"Stavební stroje a mechanizace", "Construction machinery", "Baumaschinen", "Maszyny budowlane", "Stavebné stroje a mechanizácia"}},
    {"08.01", {"Rypadla", "Excavators", "Bagger", "Koparki", "Rýpadlá"}},
    {"08.02", {"Nakladače", "Loaders", "Lader", "Ładowarki", "Nakladače"}},
    {"08.03", {"Jeřáby", "Cranes", "Krane", "Żurawie", "Žeriavy"}},
    {"08.04", {"Míchačky a čerpadla betonu", "Concrete mixers and pumps", "Betonmischer und Betonpumpen", "Betoniarki i pompy do betonu", "Miešačky a čerpadlá betónu"}},
    {"08.05", {"Lešení a bednění", "Scaffolding and formwork", "Gerüste und Schalungen", "Rusztowania i deskowania", "Lešenia a debnenie"}},
    {"08.06", {"Hutnicí technika", "Compaction equipment", "Verdichtungstechnik", "Sprzęt do zagęszczania", "Zhutňovacia technika"}},
    {"08.07", {"Plošiny a zdvihací zařízení", "Platforms and lifting equipment", "Arbeitsbühnen und Hebezeuge", "Podesty i urządzenia dźwigowe", "Plošiny a zdvíhacie zariadenia"}},
    {"08.08", {"Malá mechanizace", "Small construction equipment", "Baukleingeräte", "Drobny sprzęt budowlany", "Malá mechanizácia"}},
    {"08.09", {"Náhradní díly", "Spare parts", "Ersatzteile", "Części zamienne", "Náhradné diely"}},
    {"09", {"Dřevozpracující stroje a nábytek", "Woodworking machinery and furniture", "Holzbearbeitungsmaschinen und Möbel", "Maszyny do obróbki drewna i meble", "Drevospracujúce stroje a nábytok"}},
    {"09.01", {"Pily a formátovací pily", "Saws and panel saws", "Sägen und Formatkreissägen", "Piły i piły formatowe", "Píly a formátovacie píly"}},
    {"09.02", {"Hoblovky a frézky na dřevo", "Planers and spindle moulders", "Hobel- und Fräsmaschinen für Holz", "Strugarki i frezarki do drewna", "Hobľovačky a frézy na drevo"}},
    {"09.03", {"Olepovačky hran", "Edge banders", "Kantenanleimmaschinen", "Okleiniarki", "Olepovačky hrán"}},
    {"09.04", {"Sušárny dřeva", "Timber dryers", "Holztrocknungsanlagen", "Suszarnie drewna", "Sušiarne dreva"}},
    {"09.05", {"Kuchyňský nábytek", "Kitchen furniture", "Küchenmöbel", "Meble kuchenne", "Kuchynský nábytok"}},
    {"09.06", {"Kancelářský nábytek", "Office furniture", "Büromöbel", "Meble biurowe", "Kancelársky nábytok"}},
    {"09.07", {"Masivní dřevo a řezivo", "Solid wood and sawn timber", "Massivholz und Schnittholz", "Drewno lite i tarcica", "Masívne drevo a rezivo"}},
    {"09.08", {"Deskové materiály", "Wood-based panels", "Holzwerkstoffplatten", "Płyty drewnopochodne", "Doskové materiály"}},
    {"09.09", {"Kování a příslušenství", "Fittings and accessories", "Beschläge und Zubehör", "Okucia i akcesoria", "Kovanie a príslušenstvo"}},
    {"10", {"Potraviny a nápoje", "Food and beverages", "Lebensmittel und Getränke", "Żywność i napoje", "Potraviny a nápoje"}},
    {"10.01", {"Pekařské výrobky", "Bakery products", "Backwaren", "Wyroby piekarnicze", "Pekárenské výrobky"}},
    {"10.02", {"Masné výrobky", "Meat products", "Fleischwaren", "Wyroby mięsne", "Mäsové výrobky"}},
    {"10.03", {"Mléčné výrobky", "Dairy products", "Milchprodukte", "Wyroby mleczarskie", "Mliečne výrobky"}},
    {"10.04", {"Cukrovinky", "Confectionery", "Süßwaren", "Wyroby cukiernicze", "Cukrovinky"}},
    {"10.05", {"Pivo", "Beer", "Bier", "Piwo", "Pivo"}},
    {"10.06", {"Víno a destiláty", "Wine and spirits", "Wein und Spirituosen", "Wino i wyroby spirytusowe", "Víno a destiláty"}},
    {"10.07", {"Nealkoholické nápoje", "Soft drinks", "Alkoholfreie Getränke", "Napoje bezalkoholowe", "Nealkoholické nápoje"}},
    {"10.08", {"Ovoce a zelenina", "Fruit and vegetables", "Obst und Gemüse", "Owoce i warzywa", "Ovocie a zelenina"}},
    {"10.09", {"Káva a čaj", "Coffee and tea", "Kaffee und Tee", "Kawa i herbata", "Káva a čaj"}},
    {"11", {"Obalová technika", "Packaging technology", "Verpackungstechnik", "Technika pakowania", "Obalová technika"}},
    {"11.01", {"Balicí stroje", "Packaging machines", "Verpackungsmaschinen", "Maszyny pakujące", "Baliace stroje"}},
    {"11.02", {"Plnicí linky", "Filling lines", "Abfüllanlagen", "Linie rozlewnicze", "Plniace linky"}},
    {"11.03", {"Etiketovací stroje", "Labelling machines", "Etikettiermaschinen", "Etykieciarki", "Etiketovacie stroje"}},
    {"11.04", {"Papírové a kartonové obaly", "Paper and cardboard packaging", "Papier- und Kartonverpackungen", "Opakowania papierowe i kartonowe", "Papierové a kartónové obaly"}},
    {"11.05", {"Plastové obaly", "Plastic packaging", "Kunststoffverpackungen", "Opakowania z tworzyw sztucznych", "Plastové obaly"}},
    {"11.06", {"Skleněné obaly", "Glass packaging", "Glasverpackungen", "Opakowania szklane", "Sklenené obaly"}},
    {"11.07", {"Paletizace", "Palletising", "Palettierung", "Paletyzacja", "Paletizácia"}},
    {"11.08", {"Značení a potisk obalů", "Marking and printing on packaging", "Kennzeichnung und Verpackungsdruck", "Znakowanie i druk na opakowaniach", "Značenie a potlač obalov"}},
    {"11.09", {"Fólie a pásky", "Films and tapes", "Folien und Klebebänder", "Folie i taśmy", "Fólie a pásky"}},
    {"12", {"Zemědělská technika", "Agricultural machinery", "Landtechnik", "Maszyny rolnicze", "Poľnohospodárska technika"}},
    {"12.01", {"Traktory", "Tractors", "Traktoren", "Ciągniki", "Traktory"}},
    {"12.02", {"Stroje pro zpracování půdy", "Soil cultivation machinery", "Bodenbearbeitungsmaschinen", "Maszyny do uprawy gleby", "Stroje na spracovanie pôdy"}},
    {"12.03", {"Secí stroje", "Seed drills", "Sämaschinen", "Siewniki", "Sejacie stroje"}},
    {"12.04", {"Postřikovače", "Sprayers", "Feldspritzen", "Opryskiwacze", "Postrekovače"}},
    {"12.05", {"Sklízecí mlátičky", "Combine harvesters", "Mähdrescher", "Kombajny zbożowe", "Kombajny"}},
    {"12.06", {"Pícninářská technika", "Forage machinery", "Futtererntetechnik", "Maszyny do zbioru pasz", "Krmovinárska technika"}},
    {"12.07", {"Stájová technika", "Livestock equipment", "Stalltechnik", "Wyposażenie budynków inwentarskich", "Maštaľná technika"}},
    {"12.08", {"Zahradní technika", "Garden machinery", "Gartentechnik", "Sprzęt ogrodniczy", "Záhradná technika"}},
    {"12.09", {"Lesnická technika", "Forestry machinery", "Forsttechnik", "Maszyny leśne", "Lesnícka technika"}},
    {"13", {"Doprava a logistika", "Transport and logistics", "Transport und Logistik", "Transport i logistyka", "Doprava a logistika"}},
    {"13.01", {"Silniční doprava", "Road haulage", "Straßengüterverkehr", "Transport drogowy", "Cestná doprava"}},
    {"13.02", {"Železniční doprava", "Rail freight", "Schienengüterverkehr", "Transport kolejowy", "Železničná doprava"}},
    {"13.03", {"Skladové systémy", "Warehouse systems", "Lagersysteme", "Systemy magazynowe", "Skladové systémy"}},
    {"13.04", {"Manipulační vozíky", "Industrial trucks", "Flurförderzeuge", "Wózki widłowe", "Manipulačné vozíky"}},
    {"13.05", {"Spedice", "Freight forwarding", "Spedition", "Spedycja", "Špedícia"}},
    {"13.06", {"Kurýrní služby", "Courier services", "Kurierdienste", "Usługi kurierskie", "Kuriérske služby"}},
    {"13.07", {"Užitková vozidla", "Commercial vehicles", "Nutzfahrzeuge", "Pojazdy użytkowe", "Úžitkové vozidlá"}},
    {"13.08", {"Logistický software", "Logistics software", "Logistiksoftware", "Oprogramowanie logistyczne", "Logistický softvér"}},
    {"13.09", {"Celní služby", "Customs services", "Zolldienstleistungen", "Usługi celne", "Colné služby"}},
    {"14", {"Služby a poradenství", "Services and consulting", "Dienstleistungen und Beratung", "Usługi i doradztwo", "Služby a poradenstvo"}},
    {"14.01", {"Daňové a účetní poradenství", "Tax and accounting advice", "Steuer- und Buchhaltungsberatung", "Doradztwo podatkowe i księgowe", "Daňové a účtovné poradenstvo"}},
    {"14.02", {"Právní služby", "Legal services", "Rechtsberatung", "Usługi prawne", "Právne služby"}},
    {"14.03", {"Certifikace a normy", "Certification and standards", "Zertifizierung und Normen", "Certyfikacja i normy", "Certifikácia a normy"}},
    {"14.04", {"Financování a leasing", "Financing and leasing", "Finanzierung und Leasing", "Finansowanie i leasing", "Financovanie a lízing"}},
    {"14.05", {"Pojišťovnictví", "Insurance", "Versicherungen", "Ubezpieczenia", "Poisťovníctvo"}},
    {"14.06", {"Personální služby", "Personnel services", "Personaldienstleistungen", "Usługi kadrowe", "Personálne služby"}},
    {"14.07", {"Informační technologie", "Information technology", "Informationstechnik", "Technologie informacyjne", "Informačné technológie"}},
    {"14.08", {"Marketing a reklama", "Marketing and advertising", "Marketing und Werbung", "Marketing i reklama", "Marketing a reklama"}},
    {"14.09", {"Překlady a tlumočení", "Translation and interpreting", "Übersetzen und Dolmetschen", "Tłumaczenia pisemne i ustne", "Preklady a tlmočenie"}},
    {"15", {"Vzdělávání, výzkum a vývoj", "Education, research and development", "Bildung, Forschung und Entwicklung", "Edukacja, badania i rozwój", "Vzdelávanie, výskum a vývoj"}},
    {"15.01", {"Vysoké školy", "Universities", "Hochschulen", "Szkoły wyższe", "Vysoké školy"}},
    {"15.02", {"Odborné školy", "Vocational schools", "Berufsschulen", "Szkoły zawodowe", "Odborné školy"}},
    {"15.03", {"Výzkumné ústavy", "Research institutes", "Forschungsinstitute", "Instytuty badawcze", "Výskumné ústavy"}},
    {"15.04", {"Inovační centra", "Innovation centres", "Innovationszentren", "Centra innowacji", "Inovačné centrá"}},
    {"15.05", {"Firemní vzdělávání", "Corporate training", "Betriebliche Weiterbildung", "Szkolenia firmowe", "Firemné vzdelávanie"}},
    {"15.06", {"Odborná literatura", "Technical literature", "Fachliteratur", "Literatura fachowa", "Odborná literatúra"}},
    {"15.07", {"Transfer technologií", "Technology transfer", "Technologietransfer", "Transfer technologii", "Transfer technológií"}},
    {"15.08", {"Zkušebny a laboratoře", "Test centres and laboratories", "Prüfstellen und Labore", "Laboratoria badawcze", "Skúšobne a laboratóriá"}},
    {"15.09", {"Patentové služby", "Patent services", "Patentdienstleistungen", "Usługi patentowe", "Patentové služby"}},
}};
// clang-format on

// Fair section of each group, groups 1..15.
constexpr std::array<int, 15> kGroupSection = {1, 1, 1, 2, 2, 2, 3, 3, 4, 5, 5, 6, 7, 7, 8};

// Kind of each group's fields, groups 1..15, and the fields that differ from their group.
constexpr std::array<FieldKind, 15> kGroupKind = {
    FieldKind::Machinery, FieldKind::Goods,     FieldKind::Machinery, FieldKind::Machinery,
    FieldKind::Machinery, FieldKind::Machinery, FieldKind::Goods,     FieldKind::Machinery,
    FieldKind::Goods,     FieldKind::Food,      FieldKind::Machinery, FieldKind::Machinery,
    FieldKind::Service,   FieldKind::Service,   FieldKind::Service};
constexpr std::pair<std::string_view, FieldKind> kFieldKinds[] = {
    {"03.06", FieldKind::Goods},     {"03.08", FieldKind::Goods},
    {"04.03", FieldKind::Goods},     {"04.08", FieldKind::Goods},
    {"06.08", FieldKind::Service},   {"08.05", FieldKind::Goods},
    {"08.09", FieldKind::Goods},     {"09.01", FieldKind::Machinery},
    {"09.02", FieldKind::Machinery}, {"09.03", FieldKind::Machinery},
    {"09.04", FieldKind::Machinery}, {"11.04", FieldKind::Goods},
    {"11.05", FieldKind::Goods},     {"11.06", FieldKind::Goods},
    {"11.09", FieldKind::Goods},     {"13.03", FieldKind::Machinery},
    {"13.04", FieldKind::Machinery}, {"13.07", FieldKind::Machinery},
};

}  // namespace

std::span<const Code> codeList() {
    return kCodes;
}

std::string codeSortKey(std::string_view code) {
    std::string key;
    for (char c : code) {
        if (c != '.') {
            key += c;
        }
    }
    return key;
}

int sectionOfGroup(int group) {
    return kGroupSection.at(static_cast<size_t>(group - 1));
}

FieldKind fieldKind(std::string_view code) {
    for (const auto& [field, kind] : kFieldKinds) {
        if (field == code) {
            return kind;
        }
    }
    return kGroupKind.at(static_cast<size_t>(std::stoi(std::string(code.substr(0, 2))) - 1));
}

}  // namespace expo::demogen
