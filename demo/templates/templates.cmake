# The exhibitor-page template in the five languages of the disc: vystavovatel.html.in with its
# words (one list per word, languages in the order Czech, English, German, Polish, Slovak) and
# its shared inline styles. The template cannot carry "#", "{" or "}" outside its own markup,
# so it styles with inline rgb() colours and no style sheet.

set(EXPO_T_LANG cs en de pl sk)
set(EXPO_T_TITLE Vystavovatel Exhibitor Aussteller Wystawca Vystavovateľ)
set(EXPO_T_BACK "Zpět na vystavovatele" "Back to the exhibitor" "Zurück zum Aussteller" "Powrót do wystawcy" "Späť na vystavovateľa")
set(EXPO_T_ADDRESS Adresa Address Anschrift Adres Adresa)
set(EXPO_T_ADDRESS2 "Další adresa" "Second address" "Zweite Anschrift" "Drugi adres" "Ďalšia adresa")
set(EXPO_T_POBOX "P. O. Box" "P.O. Box" Postfach "Skrytka pocztowa" "P. O. Box")
set(EXPO_T_PHONE Tel. Phone Tel. Tel. Tel.)
set(EXPO_T_FAX Fax Fax Fax Faks Fax)
set(EXPO_T_EMAIL E-mail E-mail E-Mail E-mail E-mail)
set(EXPO_T_WEB Web Web Internet WWW Web)
set(EXPO_T_PROFILE "O firmě" "Company profile" Firmenprofil "O firmie" "O firme")
set(EXPO_T_LINKS "Více o firmě" "More about the company" "Mehr über die Firma" "Więcej o firmie" "Viac o firme")
set(EXPO_T_PRESENTATION "Prezentace firmy" "Company presentation" Firmenpräsentation "Prezentacja firmy" "Prezentácia firmy")
set(EXPO_T_ADVERT Inzerát Advertisement Anzeige Reklama Inzerát)
set(EXPO_T_PLACEMENT "Umístění na výstavišti" "Location at the fair" "Standort auf der Messe" "Lokalizacja na targach" "Umiestnenie na výstavisku")
set(EXPO_T_HALL Pavilon Hall Halle Pawilon Pavilón)
set(EXPO_T_STAND Stánek Stand Stand Stoisko Stánok)
set(EXPO_T_PLAN Plánek Plan Plan Plan Plánik)
set(EXPO_T_MAIN "Na stánku firmy" "At the stand of" "Am Stand von" "Na stoisku firmy" "Na stánku firmy")
set(EXPO_T_COEXHIBITORS Spoluvystavovatelé Co-exhibitors Mitaussteller Współwystawcy Spoluvystavovatelia)
set(EXPO_T_EXHIBITS Exponáty Exhibits Exponate Eksponaty Exponáty)
set(EXPO_T_NEWS NOVINKA NEW NEU NOWOŚĆ NOVINKA)
set(EXPO_T_NOMENCLATURE "Obory a výrobky" "Product groups" Produktgruppen "Grupy produktów" "Odbory a výrobky")
set(EXPO_T_BRANDS "Zastoupené značky" "Represented brands" "Vertretene Marken" "Reprezentowane marki" "Zastúpené značky")
set(EXPO_T_FIRMS "Zastoupené firmy" "Represented companies" "Vertretene Firmen" "Reprezentowane firmy" "Zastúpené firmy")
set(EXPO_T_MORE "Doplňující informace" "Additional information" "Weitere Informationen" "Informacje dodatkowe" "Doplňujúce informácie")

set(EXPO_TEMPLATE_WORDS LANG TITLE BACK ADDRESS ADDRESS2 POBOX PHONE FAX EMAIL WEB PROFILE LINKS
    PRESENTATION ADVERT PLACEMENT HALL STAND PLAN MAIN COEXHIBITORS EXHIBITS NEWS NOMENCLATURE
    BRANDS FIRMS MORE)

# expo_write_templates(DIR): DIR/sablony/vystavovatel0.html ... vystavovatel4.html (UTF-8).
function(expo_write_templates dir)
    # Inline styles shared by the template's boxes and tables.
    set(CARD "margin: 0 0 14px 0; padding: 10px 14px; background: white; border: 1px solid rgb(214, 221, 230); border-radius: 6px")
    set(H2 "margin: 0 0 6px 0; font-size: 11pt; font-weight: bold; color: rgb(31, 78, 140)")
    set(SMALL "font-size: 8.5pt; color: rgb(96, 104, 116)")
    set(TABLE "width: 100%; border-collapse: collapse")
    set(TH "padding: 4px 8px; text-align: left; font-weight: normal; color: rgb(96, 104, 116); border-bottom: 2px solid rgb(214, 221, 230)")
    set(TD "padding: 5px 8px; vertical-align: top; border-bottom: 1px solid rgb(233, 237, 242)")
    set(BUTTON "display: inline-block; margin: 2px 8px 2px 0; padding: 5px 14px; color: white; text-decoration: none; background: rgb(31, 78, 140); border-radius: 4px")
    foreach(i RANGE 4)
        foreach(word ${EXPO_TEMPLATE_WORDS})
            list(GET EXPO_T_${word} ${i} value)
            set(${word} "${value}")
        endforeach()
        configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/vystavovatel.html.in
                       ${dir}/sablony/vystavovatel${i}.html @ONLY)
    endforeach()
endfunction()
