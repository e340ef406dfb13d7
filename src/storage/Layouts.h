#pragma once

#include "storage/ProgramFiles.h"
#include "storage/RecordLayout.h"

#include <array>

// The four record layouts of the program's archives. Field order, widths and file names
// are fixed by the files already on disk; never reorder them.
namespace dp {

namespace Prodotto {
enum Field : int {
    Codice,
    Costo,
    Nome,
    Giacenza,
    Avviso,
    UM,
    Tipologia,
    Caratteristiche,
    Collocazione,
    Ditta,
    Agente,
    Recapito,
    Documento,
    Pagamento,
    DataSca,
    Note,
    Prezzo,
    Pagato,
    File01,
    File02,
    File03,
    Desc01,
    Desc02,
    Desc03
};
inline constexpr std::array<FieldDef, 24> kFields{{
    {"Codice", 25},       {"Costo", 12},     {"Nome", 50},      {"Giacenza", 4},
    {"Avviso", 3},        {"UM", 30},        {"Tipologia", 50}, {"Caratteristiche", 250},
    {"Collocazione", 50}, {"Ditta", 50},     {"Agente", 50},    {"Recapito", 30},
    {"Documento", 50},    {"Pagamento", 50}, {"DataSca", 10},   {"Note", 250},
    {"Prezzo", 12},       {"Pagato", 2},     {"File01", 250},   {"File02", 250},
    {"File03", 250},      {"Desc01", 250},   {"Desc02", 250},   {"Desc03", 250},
}};
} // namespace Prodotto
inline constexpr RecordLayout TSchedaProdotto{"TSchedaProdotto", programfiles::kProducts,
                                              Prodotto::kFields};

namespace Movimento {
enum Field : int { Data, Ora, Codice, Categoria, Nome, Aspetto, Importo, Aggiunta, Note };
inline constexpr std::array<FieldDef, 9> kFields{{
    {"Data", 10},
    {"Ora", 8},
    {"Codice", 30},
    {"Categoria", 50},
    {"Nome", 50},
    {"Aspetto", 30},
    {"Importo", 15},
    {"Aggiunta", 10},
    {"Note", 250},
}};
} // namespace Movimento
// The movement layout serves two journals; its file name is chosen by the caller.
inline constexpr RecordLayout TMovimento{"TMovimento", "", Movimento::kFields};

namespace Cliente {
enum Field : int {
    Cognome,
    Nome,
    Ditta,
    Sesso,
    Recapito,
    IndirizzoRes,
    ProvRes,
    ComuneRes,
    CapRes,
    DataNasc,
    ComuneNasc,
    ProvNasc,
    TelCasa,
    TelUff,
    TelCel,
    Pec,
    Email,
    CodFisc,
    Carta,
    ScadeCarta,
    PartitaIva,
    Iban,
    TipoPat,
    NumPat,
    EnteRil,
    DataRil,
    DataSca,
    Conducente,
    Questioni,
    Note,
    CodiceDest,
    Ricontatta,
    File01,
    File02,
    File03,
    Desc01,
    Desc02,
    Desc03
};
inline constexpr std::array<FieldDef, 38> kFields{{
    {"Cognome", 50},    {"Nome", 50},         {"Ditta", 50},      {"Sesso", 1},
    {"Recapito", 50},   {"IndirizzoRes", 50}, {"ProvRes", 2},     {"ComuneRes", 50},
    {"CapRes", 5},      {"DataNasc", 30},     {"ComuneNasc", 50}, {"ProvNasc", 2},
    {"TelCasa", 30},    {"TelUff", 30},       {"TelCel", 30},     {"Pec", 60},
    {"Email", 50},      {"CodFisc", 16},      {"Carta", 30},      {"ScadeCarta", 30},
    {"PartitaIva", 11}, {"Iban", 27},         {"TipoPat", 30},    {"NumPat", 50},
    {"EnteRil", 50},    {"DataRil", 10},      {"DataSca", 10},    {"Conducente", 250},
    {"Questioni", 250}, {"Note", 250},        {"CodiceDest", 7},  {"Ricontatta", 2},
    {"File01", 250},    {"File02", 250},      {"File03", 250},    {"Desc01", 250},
    {"Desc02", 250},    {"Desc03", 250},
}};
} // namespace Cliente
inline constexpr RecordLayout TSchedaCliente{"TSchedaCliente", programfiles::kCustomers,
                                             Cliente::kFields};

namespace Fornitore {
enum Field : int {
    Ditta,
    Titolare,
    Recapito,
    IndirizzoRes,
    ProvRes,
    ComuneRes,
    CapRes,
    Pagamento,
    TelCasa,
    TelUff,
    TelCel,
    Fax,
    Email,
    CodFisc,
    Carta,
    ScadeCarta,
    PartitaIva,
    Iban,
    Articoli,
    Offerte,
    Ordine,
    Questioni,
    Note,
    Ricontatta,
    File01,
    File02,
    File03,
    Desc01,
    Desc02,
    Desc03
};
inline constexpr std::array<FieldDef, 30> kFields{{
    {"Ditta", 50},      {"Titolare", 120},  {"Recapito", 50},  {"IndirizzoRes", 50},
    {"ProvRes", 2},     {"ComuneRes", 50},  {"CapRes", 5},     {"Pagamento", 250},
    {"TelCasa", 30},    {"TelUff", 30},     {"TelCel", 30},    {"Fax", 30},
    {"Email", 50},      {"CodFisc", 16},    {"Carta", 30},     {"ScadeCarta", 30},
    {"PartitaIva", 11}, {"Iban", 27},       {"Articoli", 250}, {"Offerte", 250},
    {"Ordine", 250},    {"Questioni", 250}, {"Note", 250},     {"Ricontatta", 2},
    {"File01", 250},    {"File02", 250},    {"File03", 250},   {"Desc01", 250},
    {"Desc02", 250},    {"Desc03", 250},
}};
} // namespace Fornitore
inline constexpr RecordLayout TSchedaFornitore{"TSchedaFornitore", programfiles::kSuppliers,
                                               Fornitore::kFields};

static_assert(TSchedaProdotto.size() == 2502);
static_assert(TMovimento.size() == 462);
static_assert(TSchedaCliente.size() == 3151);
static_assert(TSchedaFornitore.size() == 3643);
static_assert(TSchedaProdotto.offset(Prodotto::Prezzo) == 980);
static_assert(TSchedaProdotto.offset(Prodotto::Desc03) == 2251);
static_assert(TMovimento.offset(Movimento::Importo) == 184);
static_assert(TMovimento.offset(Movimento::Note) == 211);
static_assert(TSchedaCliente.offset(Cliente::Ricontatta) == 1642);
static_assert(TSchedaCliente.offset(Cliente::Desc03) == 2900);
static_assert(TSchedaFornitore.offset(Fornitore::Ricontatta) == 2134);
static_assert(TSchedaFornitore.offset(Fornitore::Desc03) == 3392);

// The yes/no flag texts of the records.
inline const QString kSi = QStringLiteral("S\u00EC");
inline const QString kNo = QStringLiteral("No");

} // namespace dp
