#include "company/ItalianWords.h"

namespace company::words {

const std::vector<std::string> surnames = {
    "Rossi", "Bianchi", "Colombo", "Brambilla", "Galli", "Conti", "Mariani", "Fontana", "Sala", "Villa",
    "Longhi", "Cattaneo", "Moretti", "Barbieri", "Lombardi", "Giordano", "Rinaldi", "Caruso", "Greco",
    "Marchetti", "Ferri", "Pellegrini", "Testa", "Valsecchi", "Riva", "Crippa", "Mauri", "Zanetti"};

const std::vector<std::string> firstNames = {
    "Marco", "Giulia", "Luca", "Francesca", "Andrea", "Chiara", "Paolo", "Elena", "Stefano", "Sara",
    "Davide", "Laura", "Matteo", "Valentina", "Simone", "Federica", "Giorgio", "Anna", "Roberto", "Marta"};

const std::vector<std::string> trades = {
    "Forniture Industriali", "Trasporti", "Meccanica", "Elettroforniture", "Carpenteria Metallica",
    "Impianti Elettrici", "Servizi Ambientali", "Minuterie", "Utensileria", "Logistica", "Imballaggi",
    "Vernici", "Automazioni", "Stampaggio", "Ricambi", "Termoidraulica", "Consulenze", "Edilizia"};

const std::vector<std::string> legalForms = {"S.r.l.", "S.p.A.", "S.n.c.", "S.a.s.", "& Figli S.r.l."};

const std::vector<std::string> cities = {
    "Milano", "Monza", "Bergamo", "Brescia", "Lecco", "Como", "Varese", "Lodi", "Cremona", "Pavia",
    "Torino", "Verona", "Padova", "Bologna", "Modena", "Piacenza", "Parma", "Novara", "Vicenza", "Trento"};

const std::vector<std::string> streets = {
    "Via Roma", "Via Garibaldi", "Via Mazzini", "Corso Italia", "Viale Lombardia", "Via Dante",
    "Via Manzoni", "Via Cavour", "Via dell'Industria", "Via dell'Artigianato", "Via Volta", "Via Marconi"};

const std::vector<std::string> costCentreGroups = {
    "Area produttiva", "Area servizi", "Area commerciale", "Area amministrativa", "Stabilimento di Monza",
    "Stabilimento di Lecco", "Sede di Milano", "Filiale di Bergamo", "Reparti ausiliari", "Reparti diretti"};

const std::vector<std::string> costCentres = {
    "Taglio laser", "Saldatura", "Verniciatura", "Montaggio", "Collaudo", "Magazzino ricambi",
    "Manutenzione", "Ufficio tecnico", "Amministrazione", "Contabilità", "Personale", "Acquisti",
    "Vendite Italia", "Vendite estero", "Marketing", "Logistica", "Qualità", "Sicurezza", "Informatica",
    "Direzione generale", "Piegatura", "Tornitura", "Fresatura", "Assistenza clienti", "Progettazione",
    "Spedizioni", "Ricerca e sviluppo", "Formazione", "Servizi generali", "Mensa aziendale"};

const std::vector<std::string> expenseItemGroups = {
    "Costi di produzione", "Costi del personale", "Servizi", "Ricavi", "Movimenti finanziari",
    "Oneri diversi", "Ammortamenti", "Rettifiche", "Costi commerciali", "Altri proventi"};

// Natures: 1 direct costs, 2 indirect costs, 3 sales revenue, 4 other revenue, 5 adjustments,
// 6 financial outflows, 7 financial inflows, 8 investments, 9 grants, 10 notional costs.
const std::vector<NamedNature> expenseItems = {
    {"Materie prime", 1}, {"Semilavorati", 1}, {"Energia elettrica", 2}, {"Gas metano", 2},
    {"Salari e stipendi", 1}, {"Contributi previdenziali", 1}, {"Lavorazioni esterne", 1},
    {"Manutenzioni", 2}, {"Trasporti su acquisti", 2}, {"Consulenze tecniche", 2}, {"Canoni di leasing", 2},
    {"Ricavi vendita prodotti", 3}, {"Ricavi prestazioni", 3}, {"Ricavi diversi", 4}, {"Rimborsi", 4},
    {"Giroconti interni", 5}, {"Ribaltamento costi", 5}, {"Pagamenti fornitori", 6}, {"Rate mutui", 6},
    {"Incassi clienti", 7}, {"Anticipi ricevuti", 7}, {"Acquisto macchinari", 8}, {"Software", 8},
    {"Contributi in conto esercizio", 9}, {"Credito d'imposta", 9}, {"Interessi figurativi", 10},
    {"Ammortamento impianti", 2}, {"Provvigioni agenti", 2}, {"Pubblicità", 2}, {"Cancelleria", 2}};

const std::vector<std::string> articles = {
    "Vite TE M8x30 zincata", "Dado M8 inox", "Cuscinetto a sfere 6204", "Lamiera inox 2 mm",
    "Tubo quadro 40x40", "Profilato alluminio 30x30", "Guarnizione OR 50x3", "Motore elettrico 1,5 kW",
    "Riduttore a vite senza fine", "Quadro elettrico IP55", "Cavo FG16 3x2,5", "Sensore induttivo M12",
    "Pannello sandwich 40 mm", "Vernice epossidica grigia", "Olio idraulico ISO 46", "Filtro aria cabina",
    "Cinghia dentata HTD", "Valvola a sfera 1\"", "Raccordo a pressare 22 mm", "Piastra di fissaggio",
    "Staffa a L zincata", "Rullo trasportatore", "Catena a rulli 1/2\"", "Pompa centrifuga",
    "Elettrovalvola 24 V", "Trasformatore 400/24 V", "Inverter 4 kW", "Pressostato", "Termocoppia J",
    "Lampada LED stagna"};

const std::vector<std::string> variants = {"GREZZO", "ZINCATO", "VERNICIATO", "INOX", "ROSSO", "BLU", "NERO"};

const std::vector<std::string> projectSubjects = {
    "Ampliamento stabilimento", "Nuova linea di verniciatura", "Revamping impianto", "Certificazione ISO",
    "Impianto fotovoltaico", "Automazione magazzino", "Commessa ospedale", "Rete antincendio",
    "Sistema gestionale", "Efficienza energetica", "Prototipo pressa", "Nuovo capannone"};

const std::vector<std::string> lineNotes = {
    "Rettifica di competenza", "Quota mensile", "Conguaglio", "Ripartizione da chiave", "Storno parziale",
    "Integrazione fattura", "Rateo", "Risconto", "Addebito interno", "Consumo da magazzino"};

} // namespace company::words
