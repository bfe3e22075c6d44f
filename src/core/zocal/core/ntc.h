#pragma once

#include "zocal/core/daticalcolo.h"
#include "zocal/core/ntc/analisi.h"
#include "zocal/core/ntc/categorie.h"
#include "zocal/core/ntc/cedimenti.h"
#include "zocal/core/ntc/metodo.h"
#include "zocal/core/ntc/sisma.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zocal {

// Limit-state bearing check of a strip footing under a centred vertical load
// (NTC 2018, approach 2: A1+M1+R3), a second verdict beside the
// allowable-stress one. It reads the same entries and never writes.

// Soil data beyond the calculation window's, as typed (decimal comma); an
// empty text means the default.
struct TerrenoNtc {
    std::string cu;       // undrained cohesion, t/mq: empty = no short-term check
    std::string pesofond; // unit weight of the footing, kg/mc: empty = the storey-1 wall's
    std::string fonte;    // where the soil parameters come from

    bool predefinito() const { return cu.empty() && pesofond.empty() && fonte.empty(); }
    bool operator==(const TerrenoNtc&) const = default;
};
inline constexpr std::size_t lunghezzafonte = 200; // characters

// The choices of the job and its extra soil data; the defaults are what a
// job file without their records means.
struct OpzioniNtc {
    FormulaNgamma ngamma = FormulaNgamma::brinchhansen;
    bool profondita = true;  // depth factors dc, dq
    bool g2definiti = false; // non-structural permanent loads fully defined: gammaG2 = 1.3
    TerrenoNtc terreno;
    // Wall offset and horizontal forces of foundations 1..10 (slot 0 unused).
    std::array<FondazioneNtc, maxfond + 1> fondazioni{};
    FaldaNtc falda;
    // The site's seismic data, the seismic force of foundations 1..10 from
    // the structural model (slot 0 unused), and the use category of each
    // foundation's storeys (index i - 1 for storey i, empty = "A").
    SismaNtc sisma;
    std::array<SismaFondazioneNtc, maxfond + 1> sismafondazioni{};
    std::array<std::array<std::string, maxpiani>, maxfond + 1> categorie{};
    // The layers below the footings and the admissible settlements (SLE).
    StratiNtc strati;

    // The three choices (not the soil data) are the defaults.
    bool predefinite() const {
        return ngamma == FormulaNgamma::brinchhansen && profondita && !g2definiti;
    }
    bool operator==(const OpzioniNtc&) const = default;
};

// "Brinch Hansen", "Vesic", "EC7": the name shown.
std::string_view nomengamma(FormulaNgamma formula);
// "Brinch-Hansen", "Vesic", "EC7": the name stored in the job file.
std::string_view nomefilengamma(FormulaNgamma formula);
std::optional<FormulaNgamma> formulafile(std::string_view nome);
// The name on the command line: "brinch-hansen", "vesic", "ec7".
std::string_view chiavengamma(FormulaNgamma formula);
std::optional<FormulaNgamma> formulachiave(std::string_view chiave);

// The friction angles the formulas are used for, in degrees; above the
// second the verdict comes with a warning.
inline constexpr double attrmassimo = 50;
inline constexpr double attrplausibile = 40;

inline constexpr const char* testoverificatantc = "VERIFICATA";
inline constexpr const char* testononverificatantc = "NON VERIFICATA";

// One bearing analysis: the strength used and the resistance it gives.
struct AnalisiNtc {
    double c = 0, phi = 0; // kPa, degrees
    // Bearing, depth factors and the three terms of the limit pressure (kPa).
    double Nc = 0, Nq = 0, Ngamma = 0;
    double k = 0, dc = 1, dq = 1, dgamma = 1;
    double q = 0;
    double terminec = 0, termineq = 0, terminegamma = 0;
    double qlim = 0;
    double gR = gammaR;
    double Rd = 0;           // kN/m
    double EdRd = 0;         // +infinity when the resistance is nil
    bool verificata = false; // V <= Rd in every combination, unrounded
    // The governing combination: its vertical and horizontal forces,
    // eccentricity, effective width (not a number when e > B/3), uplift,
    // inclination factors and the unit weight of the self-weight term.
    Combinazione combinazione = Combinazione::C1;
    double V = 0, Hd = 0, e = 0, Bp = 0, U = 0;
    double ic = 1, iq = 1, igamma = 1, gamma2 = 0;
    // Every combination and the sliding check.
    EsitoAnalisi analisi;
    // Bearing and sliding.
    bool tutteverificate() const {
        return verificata && (!analisi.scorrimento || analisi.scorrimento->verificata);
    }
};

// One analysis, every combination through the common bearing resistance,
// summed up by its governing combination; phi = 0 is the undrained analysis.
AnalisiNtc analisintc(const DatiAnalisi& dati);

// Everything the displays need about one foundation. The numbers are
// meaningful only when `calcolata`; otherwise `nota` says what is missing or
// out of range. The analysis it is made of is the long-term (drained) one.
struct VerificaNtc : AnalisiNtc {
    int numero = 0;
    bool calcolata = false;
    std::string nota; // why not computed, or what to know about the verdict

    // Geometry and soil as used (m, kN/m3); the wall is storey 1's, for the
    // drawing, and the footing is of concrete when its weight is given.
    double B = 0, D = 0, gamma = 0;
    double spessoremuro = 0;
    bool fondazionecls = false;
    // Characteristic actions and the design action (V of the long-term
    // governing combination), kN/m; G1k holds the footing's weight Gf.
    double G1k = 0, G2k = 0, Qk = 0, Gf = 0;
    double gG1 = gammaG1, gG2 = gammaG2, gQ = gammaQ;
    double Ed = 0;
    // For the drawing: the wall's offset and the height of the horizontal
    // forces (m), the water table's depth.
    double eccmuro = 0, zH = 0;
    std::optional<double> zw;
    // The job gives this foundation a wall offset, horizontal forces or a
    // water table: the displays then show every combination.
    bool estesa = false;
    // The short-term (undrained) analysis, when the job gives cu.
    std::optional<AnalisiNtc> brevetermine;
    // The seismic check (SLV), when the job asks for it (ag > 0): the site
    // data as used, psi2 of each storey and the sum of psi2,i Qi (kN/m),
    // and whether the liquefaction reminder applies.
    std::optional<VerificaSismica> sisma;
    DatiSisma sito;
    std::vector<std::string> categorie; // of each storey, as used
    std::vector<double> psi2;
    double psi2Q = 0;
    bool liquefazione = false;
    // The settlement check (SLE), when the job gives layers below the footings.
    std::optional<Cedimento> cedimento;

    // Of the long-term analysis: "VERIFICATA", "NON VERIFICATA", or "" when
    // not computed.
    std::string esito() const;
    // The verdict of record: every analysis run holds, sliding and the
    // seismic check included.
    bool verificatacomplessiva() const;
    std::string esitocomplessivo() const;
    // The largest Ed/Rd of the bearing analyses run, the seismic one included.
    double EdRdcomplessivo() const;
};

// The check of foundation f (1..10) with the job's options.
VerificaNtc verificantc(const DatiCalcolo& dati, int f, const OpzioniNtc& opzioni);

// Foundations 1..nfond.
std::vector<VerificaNtc> verificatutte(const DatiCalcolo& dati, const OpzioniNtc& opzioni);

// The largest difference of settlement between the foundations checked,
// when the job gives the admissible one and two of them have a result.
std::optional<CedimentiDifferenziali> differenzialintc(const std::vector<VerificaNtc>& verifiche,
                                                       const OpzioniNtc& opzioni);
// The job's verdict of record: every foundation's and the differential
// check; "" when some foundation's check could not be made.
std::string esitolavoro(const std::vector<VerificaNtc>& verifiche,
                        const std::optional<CedimentiDifferenziali>& differenziali);

// Decimals shown for each kind of value.
inline constexpr int decimaliN = 2;       // bearing factors
inline constexpr int decimalid = 3;       // depth factors
inline constexpr int decimalik = 4;       // the depth ratio k
inline constexpr int decimalikPa = 1;     // pressures
inline constexpr int decimalikN = 2;      // actions and resistance per metre
inline constexpr int decimaliEdRd = 3;    // the ratio
inline constexpr int decimalimetri = 2;   // B, D
inline constexpr int decimalifattori = 2; // partial factors

// Ed/Rd as shown: three decimals, or "∞" when the resistance is nil; ""
// when not computed.
std::string testoEdRd(const VerificaNtc& v);
std::string testoEdRd(double EdRd);

// One shown line of the factors and terms of a foundation.
struct RigaNtc {
    std::string nome;   // "Nc", "termine in q"...
    std::string unita;  // "kPa", "kN/m", "" for a pure number
    std::string valore; // as shown, decimal comma
};
// The bearing and depth factors, q, the three terms, qlim, gammaR, Rd,
// Ed/Rd, in this order, of the long-term analysis or of `analisi`.
std::vector<RigaNtc> righeresistenza(const VerificaNtc& v);
std::vector<RigaNtc> righeresistenza(const VerificaNtc& v, const AnalisiNtc& analisi);
// The soil values as used (gamma, c, phi, and cu when given), SI units.
std::vector<RigaNtc> righeterreno(const VerificaNtc& v);
// G1k, G2k, Qk with their factors, and Ed.
std::vector<RigaNtc> righeazioni(const VerificaNtc& v);
// The governing combination, its eccentricity, width, uplift and inclination
// factors; nothing for a foundation not `estesa`, whose rows stay as they were.
std::vector<RigaNtc> righecombinazione(const VerificaNtc& v);

inline constexpr int decimalie = 3; // e, B'

// The table of the combinations: headings, and one row of shown texts each
// (name, V, H, e, B', qlim, Rd, V/Rd, verdict).
const std::vector<std::string>& intestazionicombinazioni();
std::vector<std::vector<std::string>> righecombinazioni(const VerificaNtc& v);
// The sliding check (Vd, Hd, tan delta, gammaR, Rd, Hd/Rd, verdict), nothing
// without a horizontal force.
std::vector<RigaNtc> righescorrimento(const VerificaNtc& v);
// One line per check for the text output: each combination, then sliding.
std::vector<std::string> sintesiverifiche(const VerificaNtc& v);

// The seismic check (SLV), each empty without one: the site data and the
// spectrum; the weights and the horizontal force of one analysis with its
// origin; its kinematic factors and bearing resistance; its sliding check.
std::vector<RigaNtc> righespettro(const VerificaNtc& v);
std::vector<RigaNtc> righeazionisismiche(const VerificaNtc& v, const EsitoSisma& s);
std::vector<RigaNtc> righeresistenzasismica(const VerificaNtc& v, const EsitoSisma& s);
std::vector<RigaNtc> righescorrimentosismico(const VerificaNtc& v, const EsitoSisma& s);
// The foundation as its section drawing shows it in one seismic analysis:
// V as Ed, H at the base, the seismic resistance and verdicts.
VerificaNtc vistasismica(const VerificaNtc& v, const EsitoSisma& s);
// One line for the spectrum and the force, then one per check of each
// analysis, for the text output.
std::vector<std::string> sintesisisma(const VerificaNtc& v);
// The site data in words, for the displays and the report:
// "ag = 0,15 g, F0 = 2,45, sottosuolo C, categoria topografica T1, q = 2,5 (come da
// relazione di calcolo della struttura), γRd = 1,1, αH = 1".
std::string descrivisisma(const DatiSisma& s);
inline constexpr const char* testoqrelazione = "come da relazione di calcolo della struttura";
inline constexpr int decimalisisma = 4; // Se, Sd, khk and the kinematic factors

// The settlement check (SLE) for the text output, empty without one: the
// quasi-permanent combination, one line per layer, the characteristic
// combination and the depth of influence.
std::vector<std::string> sintesicedimenti(const VerificaNtc& v);
// "massimo 0,412 cm (fondazioni n. 2 e n. 1), ammissibile 1 cm, VERIFICATA".
std::string sintesidifferenziali(const CedimentiDifferenziali& d);
inline constexpr int decimalicedimenti = 3; // cm

// The summary table of every foundation: its headings, and one row of shown
// texts (n., B, D, G1k, G2k, Qk, Ed, qlim, Rd, Ed/Rd, verdict, note); the
// numbers are empty when the check was not made.
const std::vector<std::string>& intestazionintc();
std::vector<std::string> rigantc(const VerificaNtc& v);

// One line for the calculation window: "NTC 2018: VERIFICATA, Ed/Rd = 0,914",
// or the note when the check was not made.
std::string sintesintc(const VerificaNtc& v);

// The heading of a foundation's data: "Fondazione n. 1 (verificata)", with
// both verdicts when the limit-state one exists ("tensioni ammissibili:
// verificata; NTC 2018: NON VERIFICATA").
std::string titolofondazione(int f, const Cella& verificata, const VerificaNtc* ntc);

// One row of the summary of both verdicts: n., safety coefficient (as
// shown), its verdict, Ed/Rd, verdict of record.
std::vector<std::string> rigaesito(const std::string& coeff, const Cella& verificata,
                                   const VerificaNtc& v);
const std::vector<std::string>& intestazioniesito();
inline constexpr const char* notaesito =
    "Per le costruzioni nuove l'esito che vale è quello della verifica agli stati limite "
    "secondo le NTC 2018; i risultati alle tensioni ammissibili sono riportati per confronto.";

// One line for the guidance box when the two verdicts disagree, "" otherwise.
std::string discordanza(const Cella& verificata, const VerificaNtc& v);

// The guidance box's comment on a verdict, `nota`, with that line below it when
// the verdicts disagree; a comment that is no verdict's comes back as it is.
std::string notaconverdetti(std::string_view nota, const Cella& verificata, const VerificaNtc& v);

// The options in words, for the displays and the report:
// "Nγ di Brinch Hansen, con fattori di profondità, γG2 = 1,5".
std::string descriviopzioni(const OpzioniNtc& opzioni);

} // namespace zocal
