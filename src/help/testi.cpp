#include "zocal/help/testi.h"

namespace zocal {

namespace {

// The pages are written in short source lines; paragrafi() joins them.

constexpr std::string_view manuale = R"(
Zocal esegue la verifica delle fondazioni continue degli edifici in muratura
portante e scrive la relazione sulla fondazione da allegare al progetto. Si
presta anche alla verifica di strutture esistenti: in quel caso di solito
basta stampare soltanto i dati e i risultati del calcolo, oppure la sola
pagina con la descrizione dei luoghi e del fabbricato.

Il lavoro si svolge in tre finestre, che si richiamano dal menu Visualizza
(tasti Ctrl+A, Ctrl+B e Ctrl+C), dai tre pulsanti della barra degli strumenti
o con i pulsanti "Avanti" e "Indietro":

- la finestra Calcolo (finestra n.1 di 3), in cui si digitano i dati del
terreno, delle fondazioni e dei piani e si leggono subito i risultati della
verifica;

- la finestra Descrizione (finestra n.2 di 3), con la descrizione dei luoghi e
del fabbricato che compare nella relazione;

- la finestra Frontespizio (finestra n.3 di 3), con i dati del frontespizio e
il comando che produce la relazione completa.

Per fare pratica conviene aprire il file di esempio "Zocal-dati-esempio", che
si trova nella cartella /usr/share/zocal/esempi (nella cartella examples dei
sorgenti, se il programma non è installato): contiene un lavoro completo, con
una fondazione di due piani, la descrizione e il frontespizio. Lo si può
modificare liberamente e salvare con un altro nome.

Nella finestra Calcolo la casella gialla in basso indica, passo dopo passo, il
dato da digitare, e la casella giallo chiaro "Note sul calcolo" commenta il
risultato della fondazione visualizzata. Quando la fondazione non è
verificata, il pulsante "Incrementa larghezza" porta subito la base fondale
alla prima larghezza, a passi di 5 cm, alla quale è verificata sia con le
tensioni ammissibili sia agli stati limite (NTC 2018); su una fondazione già
verificata la allarga di 5 cm a ogni clic.

In tutte e tre le finestre il pulsante "ABC" della barra degli strumenti
(oppure la voce di controllo dei dati del menu Modifica) controlla i dati
immessi e segnala quelli mancanti. Il pulsante "AIUTO" mostra un breve
promemoria sull'uso della finestra; il pulsante "Guida in linea" apre gli
argomenti della guida, da cui si raggiungono tutte le pagine come questa. La
voce "Finestra n.1 di 3" (n.2, n.3), all'estremità destra della barra dei menu,
apre direttamente la pagina di guida della finestra in cui ci si trova.

I comandi Apri, Salva, Salva con nome ed Elimina funzionano allo stesso modo in
tutte e tre le finestre, dal menu File o dalla barra degli strumenti: un solo
file "Zocal-dati-..." conserva insieme i dati del calcolo, la descrizione e il
frontespizio dello stesso lavoro.

La relazione si produce dalla finestra Frontespizio (pulsante "Stampa" o voce
"Stampa completa" del menu File): viene salvata in formato DOCX, con accanto
una copia in PDF, e si apre con l'elaboratore di testi del sistema, dal quale
si può modificare e stampare.

Fermando il puntatore del mouse su un campo, su un pulsante o su
un'etichetta, compare una breve spiegazione del suo significato.

Chi deve verificare molti lavori senza aprire le finestre può usare il
programma a riga di comando zocal-cli: "zocal-cli verifica" calcola i file
dati indicati, "zocal-cli relazione" scrive la relazione e "zocal-cli stampa"
stampa i modelli in PDF (si veda "man zocal-cli").
)";

constexpr std::string_view funzionamento = R"(
La verifica considera una striscia di muro portante lunga un metro: tutti i
carichi che arrivano in fondazione sono sommati su quel metro di muro, e la
pressione che la fondazione trasmette al terreno (sigma di lavoro) viene
confrontata con quella che il terreno può sopportare (sigma ammissibile).
Quest'ultima si digita direttamente oppure si calcola da uno dei tre tipi di
suolo previsti.

Per ogni piano il programma calcola lo scarico del piano, in kg:

scarico = (peso solaio + sovraccarico + peso pavimento) · lunghezza solaio +
peso tramezzi + interasse · spessore muro · peso specifico muro

con i pesi in kg/mq (il peso specifico del muro in kg/mc, il peso dei tramezzi
in kg) e le misure in metri. I pesi si leggono come numeri interi e le misure
al centimetro; lo scarico si arrotonda per difetto al kg. Il piano n.1 è
quello più basso, che poggia sulla fondazione.

Lo scarico totale di un piano è la somma degli scarichi di quel piano e di
tutti i piani che gli stanno sopra; lo scarico totale del piano n.1 è quindi
il carico dell'intero edificio sul metro di muro.

Il carico limite (carico di rottura) del terreno, in t/mq, dipende dal tipo di
suolo. Con ps peso specifico del terreno (t/mc), pf profondità e bf larghezza
della fondazione (m) e cs coesione del terreno (t/mq):

- tipo 1, suolo sabbioso: carico limite = 17 · ps · pf + 18 · ps · bf

- tipo 2, suolo compatto: carico limite = 2 · ps · pf + 8 · cs + ps · bf

- tipo 3, suolo intermedio: carico limite = 9 · ps · pf + 4 · cs + 9 · ps · bf

- tipo 0: si digita il sigma ammissibile del terreno (kg/cmq) nella casella
"sigma terreno", e il carico limite vale 30 volte quel valore.

La coesione va digitata per ogni tipo di suolo (anche 0); se la larghezza
della fondazione non è stata digitata, il calcolo usa 0,50 m. L'angolo
d'attrito è riportato nei dati e nella relazione ma non entra nelle formule.

Il sigma ammissibile del terreno, in kg/cmq, è il carico limite diviso 30:
dividere per 10 trasforma le t/mq in kg/cmq, dividere per 3 applica il
coefficiente di sicurezza richiesto. Carico limite e sigma ammissibile si
arrotondano a due decimali.

Lo scarico a terra, in kg, è lo scarico totale del piano n.1 più il peso della
fondazione, calcolato come peso specifico del muro del piano n.1 · bf · pf, e
si arrotonda per difetto al kg.

Il sigma di lavoro, in kg/cmq, è lo scarico a terra diviso l'area di appoggio
di un metro di fondazione, cioè bf · 10000 cmq; si tronca a due decimali.

Il coefficiente di sicurezza è il rapporto tra il carico limite espresso in
kg/cmq (carico limite / 10) e il sigma di lavoro preso con tutti i suoi
decimali; il rapporto si tronca a due decimali. La fondazione è "verificata"
quando il coefficiente così mostrato vale almeno 3, altrimenti è "non
verificata": in questo caso si allarga la base fondale.

Un esempio: il file "Zocal-dati-esempio" (suolo sabbioso, ps = 1,8 t/mc,
fondazione profonda 1 m e larga 0,60 m, due piani) dà un carico limite di
50,04 t/mq, un sigma ammissibile di 1,67 kg/cmq, uno scarico a terra di 8990
kg, un sigma di lavoro di 1,49 kg/cmq e un coefficiente di sicurezza di 3,33:
la fondazione è verificata.

Un lavoro può comprendere al massimo 10 fondazioni, e su ogni fondazione
possono gravare al massimo 10 piani. Le azioni orizzontali (spinte sismiche,
del vento o del terreno) non sono considerate.
)";

constexpr std::string_view archivio = R"(
Un solo file conserva tutti i dati di un lavoro: i dati del calcolo (terreno,
fondazioni e piani), la descrizione dei luoghi e del fabbricato e i dati del
frontespizio. Il file si può aprire, salvare ed eliminare allo stesso modo da
ognuna delle tre finestre, con i pulsanti della barra degli strumenti o con le
voci del menu File.

Il pulsante con il dischetto verde ("Salva") salva il lavoro nel file
corrente, cioè quello aperto o salvato per ultimo; se il lavoro non ha ancora
un file, chiede il nome come "Salva con nome". Il pulsante con il dischetto
nero ("Salva con nome") chiede ogni volta il nome e la cartella del file, e da
quel momento il file scelto diventa quello corrente.

I nomi dei file cominciano con la parte fissa "Zocal-dati-", già proposta
nella finestra di salvataggio, da completare con l'identificazione del
lavoro, per esempio "Zocal-dati-Rossi" o "Zocal-dati-scuola-via-Roma". Così
i file dei lavori si riconoscono a colpo d'occhio e la finestra di apertura li
elenca da soli.

Anche un lavoro incompleto si può salvare, per riprenderlo più tardi: dopo il
salvataggio il programma dice che cosa manca ancora. Il salvataggio non mette
mai a rischio il file precedente:
il vecchio file viene sostituito solo quando il nuovo è stato scritto per
intero. Se un testo contiene caratteri che il file non può conservare, il
programma li sostituisce con "?" e lo avvisa.

"Apri" sostituisce i dati delle tre finestre con quelli del file scelto e
ricalcola i risultati. Se il file non si può leggere, il programma spiega il
motivo indicando la riga difettosa, e il lavoro in corso resta com'era.

"Elimina" chiede conferma prima di cancellare il file scelto nella finestra
che si apre, e avverte quando è il file del lavoro aperto; il lavoro
visualizzato resta in memoria e si può salvare di nuovo. Allo stesso modo
"Salva con nome" chiede prima di sostituire un file esistente che non sia
quello del lavoro aperto.

Il file dati è un file di testo (codifica Windows-1252) leggibile anche da
zocal-cli ("zocal-cli verifica Zocal-dati-Rossi" ne mostra i risultati). Non
conviene modificarlo a mano: un errore di scrittura lo renderebbe illeggibile.
La relazione e la guida completa vengono salvate nella stessa cartella del
file dati corrente.

"Nuovo" (Ctrl+N) comincia un lavoro vuoto; Ctrl+O apre, Ctrl+S salva e Ctrl+P
stampa. In fondo al menu File sono elencati gli ultimi cinque file aperti o
salvati, e un file dati trascinato su una finestra si apre. Il titolo delle
finestre riporta il nome del file, con un asterisco finché ci sono modifiche
non salvate. Prima di "Nuovo", "Apri", della chiusura e di "Esci", se il
lavoro è cambiato dall'ultimo salvataggio, il programma chiede "Salvare le
modifiche a ...?" (Sì / No / Annulla). Ogni minuto le modifiche non salvate
sono copiate in una cartella dell'utente: dopo un arresto improvviso, al
successivo avvio il programma offre di recuperarle.

Nome e indirizzo dello studio tecnico si indicano con "Modifica > Dati dello
studio..." e valgono da subito.
)";

constexpr std::string_view stampa = R"(
Ogni pagina della guida si può stampare con il suo pulsante "Stampa": il
programma scrive la pagina in un documento e lo apre con l'elaboratore di
testi del sistema (per esempio LibreOffice Writer), dal quale la si stampa o
la si salva. Il pulsante "Stampa" degli argomenti della guida riunisce invece
tutte le pagine in un unico documento, "Zocal-guida.docx", con accanto la
copia "Zocal-guida.pdf", salvato nella cartella del file dati corrente o, se
non è stato aperto né salvato alcun file, nella cartella Documenti.

La finestra Calcolo offre due stampe, dal menu File, voce "Stampa":

- "Modello acquisizione dati" stampa il modello vuoto, da compilare a mano in
cantiere o in ufficio con i dati del terreno, delle fondazioni e dei piani;

- "Dati finestra" stampa i dati e i risultati di tutte le fondazioni, dopo
averli ricalcolati. Lo stesso fa il pulsante con la stampante sulla barra
degli strumenti.

Le finestre Descrizione e Frontespizio stampano i propri dati; se sono vuote,
stampano il modello in bianco da compilare a mano.

Le stampe passano per la finestra di scelta della stampante: si può scegliere
una stampante oppure la stampa su file PDF.

La relazione completa si produce dalla finestra Frontespizio, con il pulsante
"Stampa", con la voce "Stampa completa" del menu File o con il pulsante della
stampante sulla barra degli strumenti. Il documento è salvato come
"Zocal-RelazioneZocal-" seguito dal nome del committente, in formato DOCX e,
accanto, in PDF, nella cartella del file dati corrente o nella cartella
Documenti, e viene aperto con l'elaboratore di testi predefinito; se nessun
programma può aprirlo, Zocal ne mostra un'anteprima di stampa.

Prima di stampare conviene controllare i dati con il pulsante "ABC", presente
in ogni finestra: segnala i dati mancanti, che altrimenti comparirebbero in
stampa come spazi vuoti.
)";

constexpr std::string_view calcolo = R"(
La finestra Calcolo mostra una fondazione alla volta, con cinque piani alla
volta. La barra di scorrimento in alto a sinistra sceglie la fondazione (da 1
a 10), quella a sinistra della griglia mostra i piani dal 6 al 10. Accanto al
numero della fondazione si digitano la profondità e la larghezza in metri;
la casella a destra riporta l'esito della verifica.

Le caselle bianche servono per i dati, quelle azzurre mostrano i risultati: lo
scarico del piano, lo scarico totale, il carico limite, lo scarico a terra, il
sigma di lavoro e il coefficiente di sicurezza compaiono appena sono stati
digitati tutti i dati della fondazione e dei suoi piani, e si aggiornano a ogni
modifica. La casella "sigma terreno" mostra il sigma ammissibile calcolato;
con il tipo di suolo 0 vi si digita il sigma ammissibile noto.

I numeri si digitano con la virgola per i decimali (per esempio 0,30). Nelle
caselle si accettano soltanto cifre, la virgola e il segno meno; un dato non
valido viene segnalato e rifiutato, e un punto digitato viene tolto con un
avviso (1.5 diventerebbe 15: va scritto 1,5). Digitando il segno + in una casella si
copia il dato del piano precedente; cliccando sul numero d'ordine del piano si
copiano tutti i dati del piano precedente.

I dati del terreno valgono per tutte le fondazioni: il tipo di suolo (1
sabbioso, 2 compatto, 3 intermedio, 0 per indicare direttamente il sigma), il
peso specifico del terreno in t/mc, la coesione in t/mq e l'angolo d'attrito
in gradi.

Sotto la griglia, la casella gialla indica il prossimo dato da digitare: basta
seguirla per immettere un lavoro completo. La casella giallo chiaro "Note sul
calcolo" dice se la fondazione è ben dimensionata o insufficiente, e quale dato
non si riesce a leggere.

Quando il coefficiente di sicurezza è minore di 3 la fondazione è "non
verificata": il pulsante "Incrementa larghezza" porta subito la base fondale
alla prima larghezza, a passi di 5 cm, alla quale la fondazione risulta
verificata anche agli stati limite (NTC 2018), e ricalcola.

Il pulsante "AIUTO" ricorda le regole di immissione; il pulsante "ABC" (o la
voce "Controllo dati immessi" del menu Modifica) controlla che non manchino
dati; "Cancella dati finestra", dopo una conferma, svuota la finestra per un
nuovo lavoro, senza toccare i file archiviati.

Il programma non considera le spinte orizzontali, come quelle sismiche: la
verifica riguarda soltanto i carichi verticali.
)";

constexpr std::string_view descrizione = R"(
La finestra Descrizione raccoglie le notizie sui luoghi e sul fabbricato che
compaiono nella relazione, in una tabella: il tipo di fabbricato, il tipo di
muratura e la sua consistenza, il tipo di solai, i dati della zona, il lotto,
le acque superficiali, le vicinanze, i canali di scolo, le frane in atto,
l'altezza massima dei fronti di scavo, la classificazione e la natura del
terreno e il giudizio sulla stabilità del complesso terreno-fondazione.

Ogni campo può contenere al massimo 65 caratteri, perché la stampa risulti
ben allineata: oltre quel limite il programma avvisa.

Per quasi tutti i campi sono pronte delle frasi di uso comune: si scelgono
dall'elenco con un clic oppure con i tasti freccia, e si possono poi
correggere o completare con la tastiera. Con il tasto TAB si passa da un campo
al successivo.

I dati della descrizione non sono obbligatori: il calcolo non ne dipende, e i
campi lasciati in bianco si stampano vuoti. Il pulsante "ABC" controlla
comunque che tutti i campi siano stati compilati, per chi vuole una relazione
completa.

Il comando "Stampa" del menu File stampa la pagina della descrizione; a
finestra vuota si ottiene il modello in bianco. I dati della descrizione si
salvano nello stesso file dati del calcolo e del frontespizio.
)";

constexpr std::string_view frontespizio = R"(
La finestra Frontespizio raccoglie i dati che identificano il lavoro nel
frontespizio della relazione: il progetto, la località, il committente, il
luogo e la data di elaborazione e gli allegati. Non sono obbligatori, ma senza
di essi la relazione non dice a quale lavoro si riferisce.

La data è impostata in automatico al giorno del calcolo e si può modificare a
piacere.

Il nome e l'indirizzo dello studio tecnico non si modificano in questa
finestra: il programma li legge all'avvio dal file di testo StudioZocal.TXT,
che contiene il nome dello studio nella prima riga e l'indirizzo nella
seconda. Il file va messo nella cartella ~/.config/Zocal (in alternativa
accanto al programma); dopo averlo scritto o corretto, occorre riavviare Zocal.

I campi non dovrebbero superare i 60 caratteri, perché il frontespizio si
stampi bene: oltre quel limite il programma avvisa. Il nome del committente
entra anche nel nome del file della relazione.

L'ultimo passo del lavoro è la stampa della relazione completa, con il
pulsante "Stampa" di questa finestra. Il programma aggiorna i risultati di
tutte le fondazioni, scrive la relazione (frontespizio, dichiarazioni, tabella
della descrizione, dati del terreno, legenda, una tabella per ogni fondazione
e chiusura con il numero delle pagine), la salva in formato DOCX e PDF nella
cartella del file dati corrente o nella cartella Documenti, e la apre con
l'elaboratore di testi del sistema, dove si può rileggere, correggere e
stampare. La casella gialla segnala l'avanzamento del lavoro.

La voce "Dati finestra" del menu File, sotto "Stampa", stampa invece soltanto
i dati di questa finestra, sulla stampante o in un file PDF.
)";

constexpr std::string_view licenza = R"(
Il programma Zocal, la sua documentazione, i suoni e le immagini che lo
accompagnano sono opera di software GIRASOLE e sono protetti dalle leggi sul
diritto d'autore. Con l'acquisto si ottiene una licenza d'uso, non la
proprietà del programma.

La licenza consente di installare e usare il programma su un solo elaboratore
alla volta, da parte dell'acquirente o del suo studio tecnico. È permesso fare
una copia di riserva del programma, a solo scopo di sicurezza.

Non è permesso cedere, noleggiare o prestare il programma a terzi, né
distribuirne copie, né modificarlo, decompilarlo o disassemblarlo, se non nei
limiti consentiti dalla legge.

I risultati del calcolo dipendono dai dati immessi e dalle ipotesi del metodo
descritto nella guida. Il programma è uno strumento di lavoro per tecnici
abilitati: il progettista resta responsabile del controllo dei dati, dei
risultati e della relazione che firma. software GIRASOLE non risponde di danni
derivanti da un uso improprio del programma o da dati errati.

software GIRASOLE garantisce per un anno dall'acquisto la corrispondenza del
programma alla sua documentazione e fornisce gli aggiornamenti gratuiti
pubblicati nello stesso periodo.

L'installazione del programma comporta l'accettazione di queste condizioni. Se
non le si accetta, il programma va rimosso e, entro trenta giorni
dall'acquisto, restituito al rivenditore per il rimborso.
)";

constexpr std::string_view ntc = R"testo(
La finestra "Verifica agli stati limite (NTC 2018)" affianca alla verifica
tradizionale (tensioni ammissibili, coefficiente di sicurezza almeno 3) la
verifica allo stato limite ultimo di collasso per carico limite
dell'insieme fondazione-terreno richiesta dalle Norme Tecniche per le
Costruzioni (D.M. 17 gennaio 2018, par. 6.4.2.1, con la Circolare n. 7 del
21 gennaio 2019). Si apre dal menu Visualizza di ogni finestra di lavoro o
dal pulsante "NTC" della barra degli strumenti e si aggiorna mentre si
digitano i dati nella finestra Calcolo, che mostra in alto l'esito e il
rapporto Ed/Rd della fondazione visualizzata. La verifica tradizionale resta
com'era: le due verifiche sono indipendenti, ma per le costruzioni nuove
l'esito che vale è quello NTC 2018; la relazione riporta entrambi e la
tabella "Esito delle verifiche" lo dice.

Metodo. Si usa l'approccio 2, combinazione A1+M1+R3: le azioni si
moltiplicano per i coefficienti parziali A1 (Tab. 6.2.I), i parametri del
terreno restano quelli caratteristici (M1, tutti i coefficienti uguali a 1,
Tab. 6.2.II) e la resistenza si divide per il coefficiente R3 = 2,3 (Tab.
6.4.I). La fondazione è verificata quando Ed non supera Rd.

Azioni, per un metro di muro e in kN (1 kgf = 9,80665 N): G1 (permanenti
strutturali) = somma sui piani di (peso solaio · lunghezza solaio +
interasse · spessore muro · peso specifico muro) più il peso della
fondazione (peso specifico della fondazione, o se non indicato quello del
muro del piano 1, · B · D); G2 (permanenti non strutturali) = somma di (peso
pavimento · lunghezza solaio + tramezzi); Q (azioni variabili) = somma di (sovraccarico · lunghezza solaio). Ed = 1,3 · G1 +
1,5 · G2 + 1,5 · Q; con l'opzione "carichi permanenti non strutturali
compiutamente definiti" il coefficiente di G2 è 1,3.

Resistenza (formula di Brinch Hansen per fondazione nastriforme con carico
verticale centrato): qlim = c · Nc · dc + q · Nq · dq + 0,5 · γ · B · Nγ ·
dγ, con q = γ · D, γ peso specifico del terreno (1 t/mc = 9,80665 kN/mc) e c
coesione (1 t/mq = 9,80665 kPa). Nq = e^(π · tanφ) · tan²(45° + φ/2); Nc =
(Nq − 1) · cotφ; Nγ secondo la formula scelta: Brinch Hansen 1,5 · (Nq − 1) ·
tanφ (predefinita), Vesic 2 · (Nq + 1) · tanφ, EC7 2 · (Nq − 1) · tanφ. EC7
è il metodo dell'Annesso D della UNI EN 1997-1, che non ha fattori di
profondità: sceglierlo toglie la spunta, che si può rimettere. Con
φ = 0 (analisi in tensioni totali, c è la coesione non drenata) Nc = 2 + π,
Nq = 1, Nγ = 0. Fattori di profondità, con k = D/B se D/B ≤ 1, altrimenti
arctan(D/B): dq = 1 + 2 · tanφ · (1 − sinφ)² · k, dc = 1 + 0,4 · k, dγ = 1;
togliendo la spunta "fattori di profondità" valgono tutti 1. I fattori di
forma valgono 1; quelli di inclinazione valgono 1 senza forze orizzontali.
Rd = qlim · B / 2,3, in kN/m.

Breve termine. Se si indica la coesione non drenata cu (t/mq), ogni
fondazione è verificata due volte: a lungo termine con c e φ, a breve
termine in tensioni totali con c = cu e φ = 0 (Nc = 2 + π, Nq = 1, Nγ = 0,
gli stessi fattori di profondità). L'esito è il peggiore dei due.

Dati. Servono, oltre ai dati dei piani, la profondità e la larghezza della
fondazione (senza larghezza si usano 0,50 m come nella verifica
tradizionale, e la nota lo dice), il peso specifico del terreno, la coesione
e l'angolo di resistenza al taglio, che deve essere compreso tra 0 e 50
gradi (oltre 40 gradi la nota chiede di verificare il valore
caratteristico). Il tipo di suolo della verifica tradizionale non
interviene. Se un dato manca o è negativo la tabella lo dice nella colonna
"note" e la fondazione resta senza esito. Facoltativi: la coesione non
drenata cu, il peso specifico della fondazione (per il calcestruzzo 2500
kg/mc; il disegno mostra allora la fondazione in calcestruzzo) e la fonte
dei parametri del terreno, che la relazione riporta.

La tabella mostra tutte le fondazioni; sotto compaiono le azioni, i fattori e
i tre termini della fondazione visualizzata nella finestra Calcolo e la
sezione: il muro, la fondazione B × D sotto il piano di campagna con le sue
misure, il carico Ed come freccia e le due barre della pressione di progetto
Ed/B e della resistenza Rd/B, verdi se la verifica è soddisfatta, rosse se
non lo è. Le opzioni si salvano con il lavoro.

Carichi eccentrici o inclinati e falda. Per la fondazione visualizzata si
possono indicare l'eccentricità del muro rispetto all'asse della fondazione
(m, da 0 a meno di B/2), la forza orizzontale permanente HGk (spinta di una
volta o delle terre, kN/m), quella variabile HQk (vento, kN/m), la loro
altezza zH sul piano di posa (m) e il rapporto δ/φ dell'attrito alla base
(da 0,5 a 1, predefinito 1); per il lavoro, la profondità della falda dal
piano campagna (m, vuoto se non c'è) e il peso specifico saturo del terreno
(t/mc, necessario quando la falda è a meno di D + B). Si verificano allora le
combinazioni C1 (massimo carico verticale), C1v (vento dominante, solo con
HQk) e C2 (minimo carico verticale) con la larghezza efficace B′ = B − 2e, i
fattori di inclinazione del carico, la sottospinta della falda e il peso
efficace sotto falda; vale la combinazione più gravosa. Con una forza
orizzontale si verifica anche lo scorrimento sul piano di posa (γR = 1,1),
senza contare la resistenza passiva sul fianco della fondazione. Con
un'eccentricità maggiore di B/3 la fondazione non è verificata.

Sisma (SLV). La parte "Sisma" della finestra chiede la verifica di capacità
portante e di scorrimento nella combinazione sismica allo stato limite di
salvaguardia della vita (NTC 2018 §7.11.5.3.1), eseguita quando ag è maggiore
di zero. Per il lavoro: ag, accelerazione massima su roccia allo SLV in g (da
0 a 0,6), e F0, fattore di amplificazione spettrale (da 1,8 a 3,5), si
prendono dai dati di pericolosità sismica del sito per il periodo di ritorno
dello SLV; la categoria di sottosuolo (A, B, C, D, E) dalla relazione
geologica; la categoria topografica (T1, T2, T3, T4; predefinita T1) dalla
forma del terreno; q, fattore di comportamento (da 1 a 5, obbligatorio), dalla
relazione di calcolo della struttura, dove è quello adottato nell'analisi
sismica; γRd, fattore di sovraresistenza delle azioni sulle fondazioni (da 1
a 1,3, predefinito 1,1); αH, quota dell'azione sismica attribuita al metro di
muro (da 0 a 3, predefinita 1). Per la fondazione visualizzata: HE, forza
orizzontale sismica sul metro di muro dal modello strutturale (kN/m; se
indicata sostituisce la stima), e la categoria d'uso del carico variabile di
ogni piano (Tab. 2.5.I: A residenziale, B uffici, C affollamento, D
commerciale, E magazzini, F e G rimesse, H coperture per sola manutenzione,
N1 neve fino a 1000 m s.l.m., N2 neve oltre), che dà ψ2 (A, B, G 0,3; C, D,
F 0,6; E 0,8; H e N1 0; N2 0,2).

Il calcolo è pseudostatico, con tutti i coefficienti delle azioni pari a 1: S
= SS·ST, Se = ag·S·F0 (il tratto costante dello spettro, senza periodo), Sd =
Se/q; peso sismico Ww = G1w + G2 + Σ ψ2·Q e V = Ww + Gf − U; forza alla base
H = HE, oppure min(γRd·αH·Sd·Ww; Se·Ww), più HGk. La stima vale per un
edificio scatolare, con i solai che portano le forze nel piano dei muri; per
un muro lungo e rigido che richiama più della sua quota usare αH o HE. Si
aggiungono i coefficienti cinematici zc, zq = zγ (Paolucci e Pecker) e si
verificano V ≤ Rd = qlim,E·B′/2,3 e H ≤ V·tanδ/1,1; la componente verticale
del sisma è trascurata. Con una falda a meno di D + B in terreno granulare
la relazione ricorda di verificare la liquefazione.

Cedimenti (SLE). Nella parte "Cedimenti" si indicano, per tutto il lavoro,
fino a sei strati sotto il piano di posa delle fondazioni, dall'alto verso il
basso: lo spessore h (da 0,1 a 50 m) e il modulo edometrico Eed (da 0,5 a 500
MPa), da prendere dalla relazione geologica o geotecnica (prove edometriche o
correlazioni con prove in sito); inoltre il cedimento ammissibile slim (da 0,5
a 10 cm, predefinito 2,5) e la differenza di cedimento ammissibile tra le
fondazioni Δslim (da 0,2 a 5 cm; vuota, non si verifica). La verifica si
esegue quando è indicato almeno uno strato. Il carico è quello della
combinazione quasi permanente (ogni γ = 1): V = G1 + G2 + somma di ψ2 · Q dei
piani, con ψ2 secondo la categoria d'uso di ciascun piano (A se non
indicata, ψ2 = 0,3); con l'eccentricità del muro o una forza orizzontale
permanente agisce sulla larghezza B′ = B − 2e. La pressione netta pnet =
V/B′ − σv0, con σv0 il peso del terreno sopra il piano di posa, dà sotto il
centro della striscia l'incremento Δσ(z) = (pnet/π) · (α + sin α), con α =
2 · arctan(B′/(2z)); il cedimento di ogni strato è l'integrale esatto di
Δσ/Eed sul suo spessore, e la somma si confronta con slim. La profondità
d'influenza z* è quella dove Δσ scende a un decimo della tensione verticale
efficace: se gli strati indicati finiscono prima, la nota dice fino a dove
estenderli. La finestra mostra per la fondazione visualizzata il cedimento
di ogni strato, il totale, quello nella combinazione caratteristica (per
informazione) e il disegno di Δσ accanto agli strati; sotto, la differenza
massima di cedimento tra le fondazioni. L'esito complessivo NTC 2018 di ogni
fondazione comprende il suo cedimento, e quello del lavoro anche la
differenza tra le fondazioni.

Questa verifica non considera la stabilità globale (approccio 1, A2+M2+R2),
la verifica strutturale della fondazione e la liquefazione: il progettista li
valuta a parte e resta responsabile del giudizio sui risultati.
)testo";

std::vector<PaginaTesto> crea() {
    return {
        {"manuale", "MANUALE D'USO RAPIDO", paragrafi(manuale)},
        {"guidafunzionamento", "FUNZIONAMENTO DEL PROGRAMMA", paragrafi(funzionamento)},
        {"guidaarchivio", "ARCHIVIO DATI", paragrafi(archivio)},
        {"guidastampa", "COME STAMPARE", paragrafi(stampa)},
        {"guidacalcolo", "FINESTRA CALCOLO", paragrafi(calcolo)},
        {"guidadescrizione", "DESCRIZIONE DEL FABBRICATO", paragrafi(descrizione)},
        {"guidafrontespizio", "FINESTRA FRONTESPIZIO", paragrafi(frontespizio)},
        {"guidantc", "VERIFICA NTC 2018", paragrafi(ntc)},
    };
}

} // namespace

std::string paragrafi(std::string_view righe) {
    std::string testo;
    std::string paragrafo;
    auto chiudi = [&] {
        if (!paragrafo.empty()) {
            if (!testo.empty()) {
                testo += "\n\n";
            }
            testo += paragrafo;
            paragrafo.clear();
        }
    };
    while (!righe.empty()) {
        const std::size_t fine = righe.find('\n');
        std::string_view riga = righe.substr(0, fine);
        righe.remove_prefix(fine == std::string_view::npos ? righe.size() : fine + 1);
        while (!riga.empty() && (riga.back() == ' ' || riga.back() == '\r')) {
            riga.remove_suffix(1);
        }
        if (riga.empty()) {
            chiudi();
            continue;
        }
        if (!paragrafo.empty()) {
            paragrafo += ' ';
        }
        paragrafo += riga;
    }
    chiudi();
    return testo;
}

const std::vector<PaginaTesto>& pagineguida() {
    static const std::vector<PaginaTesto> pagine = crea();
    return pagine;
}

const PaginaTesto* paginaguida(std::string_view nome) {
    for (const PaginaTesto& p : pagineguida()) {
        if (p.nome == nome) {
            return &p;
        }
    }
    return nullptr;
}

const PaginaTesto& paginalicenza() {
    static const PaginaTesto pagina{"licenza", "LICENZA D'USO", paragrafi(licenza)};
    return pagina;
}

} // namespace zocal
