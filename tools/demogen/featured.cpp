// The hand-made exhibitors of the demo disc. The presentation and advertisement pages under
// demo/disc (expozice, inzeraty) and their index files name these KAT_IDs, so each of them
// shows a particular side of the exhibitor page: every field filled, co-exhibitors, a name on
// two lines, the second catalogue with its other column order, an exhibitor with no details.
#include "tools/demogen/builder.h"
#include "tools/demogen/codelist.h"

namespace expo::demogen {
namespace {

// Index of a code in the code list ("01.05" -> its position).
int code(std::string_view c) {
    const auto list = codeList();
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].code == c) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

void Builder::addFeatured() {
    // 1001: the main partner; every field, both addresses, two logos and all seven kinds of
    // detail, with two co-exhibitors at its stand.
    {
        Exhibitor& e = newExhibitor(1001, 1, "Strojírny Lipová Hora a.s.",
                                    {.street = "Průmyslová 1250/4",
                                     .postcode = "798 12",
                                     .city = "Lipová Hora",
                                     .country = "CZE",
                                     .phone1 = "+420 585 310 111",
                                     .phone2 = "+420 585 310 112",
                                     .fax = "+420 585 310 199",
                                     .email = "info@strojirny-lh.example",
                                     .web = "www.strojirny-lh.example"});
        e.second = Address{.name = "Strojírny Lipová Hora a.s.\r\nobchodní centrum Brno",
                           .street = "Vídeňská 88",
                           .postcode = "619 00",
                           .city = "Brno",
                           .country = "CZE",
                           .phone1 = "+420 543 210 600",
                           .phone2 = "+420 543 210 601",
                           .fax = "+420 543 210 609",
                           .email = "brno@strojirny-lh.example",
                           .web = "www.strojirny-lh.example/brno"};
        e.poBox = "27";
        e.poBoxPostcode = "798 12";
        e.logo1 = newLogo("SLH", 200, 100);
        e.logo2 = newLogo("LH", 120, 120);
        setNote(e, 0);
        addNomenclature(e, code("01.01"), 0, groupLogo(1));
        addNomenclature(e, code("01.05"), 2);
        addNomenclature(e, code("01.06"), -1, groupLogo(1), newLogo("LIS", 160, 80));
        addNomenclature(e, code("01.09"));
        place(e, "A");
        place(e, "B");
        addExhibit(e, code("01.05"), true);
        addExhibit(e, code("01.01"), false);
        addExhibit(e, code("01.06"), true);
        addExhibit(e, code("01.09"), false);
        addFirm(e, "Nordhamm Werkzeuge GmbH");
        addFirm(e, "Brennberg Hydraulik AG");
        addBrand(e, "ProFlex", code("01.05"), newLogo("PF", 150, 100));
        addBrand(e, "Fortalux", code("01.09"), 0);
        addAdditionalInfo(e, 0, infoLogo(0));
        addAdditionalInfo(e, 3, 0);
        describe(e, 1951, 640);
    }
    // 1002: a Czech partnership, co-exhibitor at stand A 101 and with a stand of its own.
    {
        Exhibitor& e = newExhibitor(1002, 1, "Dvořák a Hejl, spol. s r.o.",
                                    {.street = "Křižíkova 1790/12",
                                     .postcode = "612 00",
                                     .city = "Brno",
                                     .country = "CZE",
                                     .phone1 = "+420 541 227 300",
                                     .email = "obchod@dvorak-hejl.example",
                                     .web = "www.dvorak-hejl.example"});
        e.logo1 = newLogo("DH", 160, 80);
        addNomenclature(e, code("02.01"));
        addNomenclature(e, code("02.02"), 1);
        place(e, "A", 1001);
        place(e, "B");
        addExhibit(e, code("02.01"), true);
        addBrand(e, "Šikovník", code("02.01"), newLogo("S", 90, 90));
        addBrand(e, "ŠIKOVNÍK", -1, 0);
        describe(e, 1994, 38);
    }
    // 1003: a German manufacturer at the partner's stand only, with its Czech agency.
    {
        Exhibitor& e = newExhibitor(1003, 1, "Nordhamm Werkzeuge GmbH",
                                    {.street = "Industriestraße 41",
                                     .postcode = "01067",
                                     .city = "Dresden",
                                     .country = "DEU",
                                     .phone1 = "+49 351 4839201",
                                     .fax = "+49 351 4839299",
                                     .email = "info@nordhamm.example",
                                     .web = "www.nordhamm.example"});
        e.second = Address{.name = "Nordhamm Werkzeuge GmbH – obchodní zastoupení ČR",
                           .street = "Nádražní 15",
                           .postcode = "405 02",
                           .city = "Děčín",
                           .country = "CZE",
                           .phone1 = "+420 412 500 700",
                           .email = "cz@nordhamm.example"};
        e.logo1 = newLogo("NW", 240, 80);
        addNomenclature(e, code("02.01"));
        addNomenclature(e, code("02.04"));
        place(e, "A", 1001);
        addExhibit(e, code("02.04"), false);
        addAdditionalInfo(e, 1, infoLogo(1));
        describe(e, 1968, 210);
    }
    // 1004: electrical engineering with news, a presentation in two languages only.
    {
        Exhibitor& e = newExhibitor(1004, 2, "Voltika Morava s.r.o.",
                                    {.street = "Olomoucká 211",
                                     .postcode = "779 00",
                                     .city = "Olomouc",
                                     .country = "CZE",
                                     .phone1 = "+420 585 742 010",
                                     .email = "info@voltika.example",
                                     .web = "www.voltika.example"});
        e.logo1 = newLogo("VM", 150, 100);
        setNote(e, 2);
        addNomenclature(e, code("04.06"), 3);
        addNomenclature(e, code("04.07"));
        addNomenclature(e, code("05.04"), -1, groupLogo(5));
        place(e, "C");
        addExhibit(e, code("04.06"), true);
        addExhibit(e, code("04.07"), true);
        addFirm(e, "Südhang Antriebe GmbH");
        addAdditionalInfo(e, 4, 0);
        describe(e, 2003, 85);
    }
    // 1005: an association whose name is kept on two lines.
    {
        Exhibitor& e = newExhibitor(1005, 6, "Sdružení výrobců\r\nzemědělské techniky, z. s.",
                                    {.street = "Husova 5",
                                     .postcode = "767 01",
                                     .city = "Kroměříž",
                                     .country = "CZE",
                                     .phone1 = "+420 573 331 200",
                                     .email = "sekretariat@svzt.example"});
        addNomenclature(e, code("12.01"));
        addNomenclature(e, code("12.03"));
        place(e, "G");
        describe(e, 1999, 6);
    }
    // 1006: the second catalogue, whose language columns stand in another order.
    {
        Exhibitor& e = newExhibitor(1006, 7, "Javor logistika s.r.o.",
                                    {.street = "Tovární 2144",
                                     .postcode = "530 02",
                                     .city = "Pardubice",
                                     .country = "CZE",
                                     .phone1 = "+420 466 812 400",
                                     .phone2 = "+420 466 812 401",
                                     .email = "dispecink@javor-logistika.example",
                                     .web = "www.javor-logistika.example"});
        e.logo1 = newLogo("JL", 200, 100);
        addNomenclature(e, code("13.01"), 0);
        addNomenclature(e, code("13.03"));
        addNomenclature(e, code("13.05"));
        place(e, "K");
        addExhibit(e, code("13.03"), true);
        addExhibit(e, code("13.01"), false);
        addBrand(e, "Delta Line", code("13.01"), 0);
        describe(e, 1997, 150);
    }
    // 1007: a school in the second catalogue, with several additional-information entries.
    {
        Exhibitor& e = newExhibitor(1007, 8, "Technická akademie Lipová Hora",
                                    {.street = "Školní 1",
                                     .postcode = "798 12",
                                     .city = "Lipová Hora",
                                     .country = "CZE",
                                     .phone1 = "+420 585 320 001",
                                     .email = "studijni@akademie-lh.example",
                                     .web = "www.akademie-lh.example"});
        e.logo1 = newLogo("TA", 120, 120);
        addNomenclature(e, code("15.01"));
        addNomenclature(e, code("15.07"));
        place(e, "K");
        addAdditionalInfo(e, 3, infoLogo(3));
        addAdditionalInfo(e, 6, infoLogo(6));
        addAdditionalInfo(e, 2, 0);
        describe(e, 1956, 120);
    }
    // 1008: a Polish exhibitor.
    {
        Exhibitor& e = newExhibitor(1008, 1, "Zakład Mechaniczny Przybylski Sp. z o.o.",
                                    {.street = "ul. Fabryczna 17",
                                     .postcode = "44-100",
                                     .city = "Gliwice",
                                     .country = "POL",
                                     .phone1 = "+48 32 2304411",
                                     .email = "biuro@przybylski.example",
                                     .web = "www.przybylski.example"});
        e.logo1 = newLogo("ZMP", 300, 120);
        addNomenclature(e, code("01.08"));
        addNomenclature(e, code("03.02"));
        place(e, "B");
        addExhibit(e, code("03.02"), false);
        addFirm(e, "Fabryka Narzędzi Wisłok S.A.");
        describe(e, 1989, 64);
    }
    // 1009: a Slovak carpenter's workshop.
    {
        Exhibitor& e = newExhibitor(1009, 4, "Tesárstvo Pod Hájom s.r.o.",
                                    {.street = "Pod Hájom 8",
                                     .postcode = "036 01",
                                     .city = "Martin",
                                     .country = "SVK",
                                     .phone1 = "+421 434 220 150",
                                     .email = "tesarstvo@podhajom.example"});
        addNomenclature(e, code("09.07"), 1);
        place(e, "E");
        addBrand(e, "Dřevák", code("09.07"), newLogo("D", 100, 50));
        describe(e, 2008, 14);
    }
    // 1010: a bakery with nothing but its address: every optional part of its page stays away.
    newExhibitor(1010, 5, "Pekárna U Zlatého klasu s.r.o.",
                 {.street = "Zahradní 14",
                  .postcode = "686 01",
                  .city = "Uherské Hradiště",
                  .country = "CZE",
                  .phone1 = "+420 572 540 330"});
}

}  // namespace expo::demogen
