#pragma once

#include <QLatin1String>

// The field names of the program's tables, one namespace per table, exactly as the table files
// carry them. Code that reads or writes a field names it through these, never as a literal.

namespace fields::fragen {
inline constexpr QLatin1String ID{"ID"};
inline constexpr QLatin1String Klasse{"Klasse"};
inline constexpr QLatin1String Fragebogen{"Fragebogen"};
inline constexpr QLatin1String NrInFragebogen{"NrInFragebogen"};
inline constexpr QLatin1String Fehlerpunkte{"Fehlerpunkte"};
inline constexpr QLatin1String Fragetyp{"Fragetyp"};
inline constexpr QLatin1String Frage{"Frage"};
inline constexpr QLatin1String Antwort1{"Antwort1"};
inline constexpr QLatin1String Antwort1kreuz{"Antwort1kreuz"};
inline constexpr QLatin1String Antwort2{"Antwort2"};
inline constexpr QLatin1String Antwort2kreuz{"Antwort2kreuz"};
inline constexpr QLatin1String Antwort3{"Antwort3"};
inline constexpr QLatin1String Antwort3kreuz{"Antwort3kreuz"};
inline constexpr QLatin1String Falsch{"Falsch"};
inline constexpr QLatin1String Bearbeitet{"Bearbeitet"};
inline constexpr QLatin1String Bild{"Bild"};
inline constexpr QLatin1String Zusatzstoff{"Zusatzstoff"};
inline constexpr QLatin1String Info{"Info"};
// The flag of a class is "Klasse_" followed by the class code.
inline constexpr QLatin1String ClassFlagPrefix{"Klasse_"};
} // namespace fields::fragen

namespace fields::frageboegen {
inline constexpr QLatin1String ID{"ID"};
inline constexpr QLatin1String Klasse{"Klasse"};
inline constexpr QLatin1String Nummer{"Nummer"};
inline constexpr QLatin1String Fragen{"Fragen"};
inline constexpr QLatin1String Fehlerlos{"Fehlerlos"};
inline constexpr QLatin1String Bestanden{"Bestanden"};
inline constexpr QLatin1String Durchgefallen{"Durchgefallen"};
} // namespace fields::frageboegen

namespace fields::test {
inline constexpr QLatin1String ID{"ID"};
inline constexpr QLatin1String FrageID{"FrageID"};
inline constexpr QLatin1String Antwort1kreuz{"Antwort1kreuz"};
inline constexpr QLatin1String Antwort2kreuz{"Antwort2kreuz"};
inline constexpr QLatin1String Antwort3kreuz{"Antwort3kreuz"};
inline constexpr QLatin1String Antwort{"Antwort"};
inline constexpr QLatin1String NrInFragebogen{"NrInFragebogen"};
inline constexpr QLatin1String NrInTest{"NrInTest"};
inline constexpr QLatin1String Fragebogen{"Fragebogen"};
} // namespace fields::test

namespace fields::sort {
inline constexpr QLatin1String FrageID{"FrageID"};
inline constexpr QLatin1String Value{"Value"};
} // namespace fields::sort

namespace fields::sets {
inline constexpr QLatin1String ID{"ID"};
inline constexpr QLatin1String Name{"Name"};
inline constexpr QLatin1String Wertung{"Wertung"};
inline constexpr QLatin1String Autor{"Autor"};
inline constexpr QLatin1String Autor_email{"Autor_email"};
inline constexpr QLatin1String Autor_website{"Autor_website"};
inline constexpr QLatin1String Editierbar{"Editierbar"};
inline constexpr QLatin1String Freispielbar{"Freispielbar"};
inline constexpr QLatin1String GirlName{"GirlName"};
inline constexpr QLatin1String TextGruppeID{"TextGruppeID"};
inline constexpr QLatin1String Freigespielt{"Freigespielt"};
} // namespace fields::sets

namespace fields::bilder {
inline constexpr QLatin1String ID{"ID"};
inline constexpr QLatin1String SetID{"SetID"};
inline constexpr QLatin1String NrInSet{"NrInSet"};
inline constexpr QLatin1String Name{"Name"};
inline constexpr QLatin1String Wertung{"Wertung"};
inline constexpr QLatin1String Bild{"Bild"};
inline constexpr QLatin1String Editierbar{"Editierbar"};
inline constexpr QLatin1String GirlName{"GirlName"};
inline constexpr QLatin1String Text{"Text"};
inline constexpr QLatin1String Freigespielt{"Freigespielt"};
} // namespace fields::bilder

namespace fields::texte {
inline constexpr QLatin1String ID{"ID"};
inline constexpr QLatin1String TextGruppeID{"TextGruppeID"};
inline constexpr QLatin1String Text{"Text"};
} // namespace fields::texte

namespace fields::textgruppen {
inline constexpr QLatin1String Name{"Name"};
inline constexpr QLatin1String Beschreibung{"Beschreibung"};
inline constexpr QLatin1String ID{"ID"};
} // namespace fields::textgruppen

// The values of FragenTable.Fragetyp: a choice question with up to three answers to tick, or a
// number question whose answer the user types. Any other value is never scored.
namespace fragetyp {
inline constexpr int Choice = 1;
inline constexpr int Number = 2;
} // namespace fragetyp
