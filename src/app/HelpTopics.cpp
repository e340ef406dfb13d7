#include "app/HelpTopics.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace dp::help {

namespace {

const QString kParagraphBreak = u"\n\n"_s;

QString paragraphs(const QStringList& list) {
    return list.join(kParagraphBreak);
}

QString generale() {
    return paragraphs({
        u"Depotta è il programma con cui una piccola azienda tiene in ordine il proprio "
        u"magazzino: l'archivio dei prodotti con la giacenza di ogni articolo, i movimenti "
        u"di carico e di scarico della merce, l'anagrafica dei clienti e dei fornitori, "
        u"l'inventario e i riepiloghi dei movimenti. Dalla schermata principale si sceglie "
        u"l'area di lavoro facendo clic sulla sua immagine o sulla barra con il suo nome; "
        u"chiudendo un'area si torna sempre alla schermata principale."_s,
        u"L'area Magazzino raccoglie le schede dei prodotti: codice articolo, nome, "
        u"categoria merceologica, aspetto esteriore, costo unitario e prezzo di vendita, "
        u"collocazione in magazzino, dati del fornitore e dell'acquisto. La giacenza di un "
        u"prodotto non si scrive a mano: si aggiorna soltanto con i pulsanti + (carico) e "
        u"- (scarico) della scheda, e ogni aggiornamento viene registrato come movimento "
        u"nell'archivio dei carichi o degli scarichi. Dopo ogni movimento occorre salvare la "
        u"scheda, perché la nuova giacenza entri nell'archivio dei prodotti. A ogni scheda "
        u"si può associare una foto, caricata da un file oppure scattata con la webcam."_s,
        u"Le aree Clienti e Fornitori sono due rubriche complete: dati anagrafici, "
        u"indirizzi, recapiti telefonici, indirizzo e-mail e PEC, codice fiscale, partita "
        u"IVA, IBAN, carta di credito e note. Appositi pulsanti controllano la correttezza "
        u"del codice fiscale, della partita IVA (indicando anche l'ufficio provinciale che "
        u"l'ha rilasciata), del numero della carta di credito e dell'IBAN; un altro apre il "
        u"programma di posta per scrivere all'indirizzo e-mail della scheda. A ogni scheda "
        u"di prodotto, cliente o fornitore si possono allegare fino a tre file, ciascuno "
        u"con una breve descrizione. Le schede di clienti e fornitori si possono stampare o "
        u"salvare in formato PDF."_s,
        u"L'area Inventario elenca tutti i prodotti del magazzino, oppure soltanto quelli di "
        u"una categoria, con il valore di ciascuna giacenza (costo unitario per giacenza) e "
        u"il valore complessivo della merce in fondo all'elenco. Le aree Carico merce e "
        u"Scarico merce riepilogano i movimenti registrati in un intervallo di giorni dello "
        u"stesso anno, per tutti gli articoli o per un solo codice articolo. Inventario e "
        u"riepiloghi si possono stampare. Dalla schermata dell'inventario il pulsante "
        u"Verifica giacenze confronta la giacenza di ogni scheda con i movimenti registrati "
        u"e mostra i prodotti in cui non corrispondono."_s,
        u"Ogni archivio (prodotti, clienti, fornitori, movimenti di carico e di scarico) si "
        u"può esportare per intero in un foglio di calcolo in formato XLS, che si apre con "
        u"Microsoft Excel, LibreOffice Calc o un altro programma per fogli di calcolo."_s,
        u"Tutti gli archivi sono file che si trovano nella cartella del programma, insieme "
        u"alle foto (cartella Schedario), ai file allegati (cartella Documenti_Allegati) e "
        u"ai documenti che il programma produce. Ogni operazione apre l'archivio, legge o "
        u"scrive la scheda e lo chiude subito: per questo la cartella del programma si può "
        u"condividere in una rete locale e usare da più postazioni nello stesso momento, "
        u"purché tutte avviino il programma dalla stessa cartella condivisa e non da copie "
        u"di essa (le normali condivisioni di rete lo consentono, se non vi è disattivato il "
        u"blocco dei file)."_s,
        u"Mentre scrive una scheda o un movimento, il programma tiene bloccato il file "
        u"dell'archivio per un istante, così due postazioni non scrivono mai nello stesso "
        u"punto e nessuna legge una scheda scritta a metà. Se un'altra postazione tiene "
        u"occupato un archivio per più di qualche secondo, il programma avvisa che "
        u"l'archivio è momentaneamente in uso e non esegue l'operazione: basta riprovare "
        u"poco dopo. Ogni scheda ricorda com'era in archivio quando è stata visualizzata: "
        u"se nel frattempo un'altra postazione l'ha modificata e salvata, il salvataggio "
        u"viene rifiutato con un messaggio, per non cancellare le modifiche dell'altra "
        u"postazione; si richiama la scheda, si ripetono le modifiche e si salva di nuovo. "
        u"Nella scheda prodotto i movimenti registrati su due postazioni si sommano: se "
        u"l'altra postazione ha cambiato soltanto la giacenza, il salvataggio aggiunge alla "
        u"giacenza in archivio i movimenti registrati sulla scheda; se ha cambiato anche "
        u"altro, le altre modifiche non vengono salvate, ma i movimenti già registrati "
        u"vengono aggiunti lo stesso alla giacenza in archivio e la scheda mostra quella "
        u"attuale: si ripetono soltanto le altre modifiche, senza registrare di nuovo i "
        u"movimenti. Se il disco è pieno, il programma lo dice e non salva nulla: la "
        u"scheda resta sullo schermo e gli archivi restano come erano."_s,
        u"L'accesso al programma è protetto da una password, la stessa per tutti gli "
        u"utenti. Al primo accesso la password è %1. Maiuscole e minuscole non fanno "
        u"differenza: la password si può digitare anche in lettere minuscole. Per "
        u"cambiarla, nella finestra di accesso si fa clic su \"Cambia password\", si "
        u"scrive la vecchia password, poi due volte la nuova, e si preme OK. Si consiglia "
        u"di cambiare la password iniziale al primo utilizzo e di conservare la nuova in un "
        u"luogo sicuro."_s.arg(initialPassword()),
        u"Il programma e tutti i suoi dati stanno nella sua cartella: copiando l'intera "
        u"cartella, per esempio su una chiavetta USB, si porta con sé il programma con i "
        u"suoi archivi e lo si può avviare da lì. La stessa copia della cartella è anche una "
        u"copia di sicurezza di tutti gli archivi, delle foto e degli allegati."_s,
        u"Per le copie di sicurezza c'è però un modo più sicuro: l'icona Copia di sicurezza "
        u"in alto nella schermata principale. Con \"Crea copia di sicurezza...\" si sceglie "
        u"una cartella, per esempio su una chiavetta USB, e il programma vi scrive un solo "
        u"file ZIP, con la data e l'ora nel nome, che contiene gli archivi dei prodotti, dei "
        u"clienti e dei fornitori, i movimenti di carico e di scarico, le foto, i documenti "
        u"allegati e la password. Gli archivi vengono copiati anche mentre altre postazioni "
        u"lavorano, ciascuno in un momento in cui nessuno lo sta scrivendo. Finita la "
        u"scrittura, il programma rilegge la copia e confronta ogni file con l'originale "
        u"prima di dire che è riuscita. Si consiglia di farla spesso e di conservarla "
        u"lontano dal computer di lavoro."_s,
        u"Con \"Ripristina da una copia...\" si sceglie il file ZIP di una copia di "
        u"sicurezza. Il programma prima la controlla: un file danneggiato o che non è una "
        u"copia di Depotta viene rifiutato e i dati attuali restano come sono. Se la copia è "
        u"integra, dopo una domanda di conferma i dati attuali vengono spostati in una "
        u"cartella \"Dati_precedenti_\" seguita dalla data e dall'ora, dentro la cartella "
        u"del programma, e al loro posto vengono scritti quelli della copia; se il "
        u"ripristino si rivela sbagliato, i dati di prima si possono recuperare da lì. Prima "
        u"di ripristinare occorre chiudere il programma sulle altre postazioni."_s,
        u"Dopo l'accesso, sotto le aree di lavoro della schermata principale può comparire "
        u"la riga \"Da fare\", con il numero degli articoli sottoscorta (la cui giacenza è "
        u"scesa al livello di avviso o più in basso), degli acquisti da saldare, dei clienti "
        u"e dei fornitori da ricontattare e dei documenti di identità dei clienti scaduti o "
        u"in scadenza entro 30 giorni. Facendo clic su una voce si apre il suo elenco sopra "
        u"la scheda a cui appartiene, e con un doppio clic su una riga dell'elenco la scheda "
        u"viene richiamata. I conteggi vengono rifatti ogni volta che si torna alla "
        u"schermata principale, senza farla attendere; quando non c'è nulla da fare, la riga "
        u"non compare."_s,
        u"In ogni area di lavoro il pulsante Guida apre la pagina della guida dedicata a "
        u"quella schermata; la guida completa, da leggere o stampare, si apre con il "
        u"collegamento \"Visualizza guida in formato PDF\" in fondo a ogni pagina."_s,
    });
}

QString magazzino() {
    return paragraphs({
        u"La scheda prodotto raccoglie tutti i dati di un articolo del magazzino: il codice "
        u"articolo, il costo unitario, il nome del prodotto, l'aspetto esteriore del bene "
        u"(per esempio confezione da 6, rotolo, sacco da 25 kg), la categoria merceologica, "
        u"le caratteristiche, la collocazione in magazzino, la giacenza e il livello di "
        u"avviso; poi i dati dell'acquisto: ditta fornitrice, titolare, recapito "
        u"telefonico, documento di acquisto, modalità di pagamento, data di scadenza del "
        u"pagamento, note e prezzo di vendita. Codice, costo, nome, aspetto, categoria e "
        u"prezzo di vendita sono obbligatori."_s,
        u"La giacenza non si scrive mai a mano: si aggiorna soltanto con i pulsanti + e - "
        u"accanto al campo. Il pulsante + registra un carico (merce che entra in "
        u"magazzino) e aggiunge la quantità indicata; il pulsante - registra uno scarico "
        u"(merce che esce) e la sottrae. Ogni aggiornamento diventa un movimento "
        u"nell'archivio dei carichi o degli scarichi, con data e ora, e compare poi nei "
        u"riepiloghi dei movimenti."_s,
        u"Conviene aggiornare la giacenza per ultima, dopo aver compilato e salvato il resto "
        u"della scheda: la schermata del movimento riprende dalla scheda il codice, la "
        u"categoria, il nome, l'aspetto e il costo unitario (per un carico) o il prezzo di "
        u"vendita (per uno scarico). Nel campo Note del movimento si può scrivere a chi è "
        u"stata venduta la merce o da chi è arrivata, il numero della bolla o qualsiasi "
        u"altra informazione utile; le note si leggono poi nell'esportazione dei movimenti in "
        u"formato XLS. Dopo il movimento occorre premere Salva: fino ad allora la nuova "
        u"giacenza è soltanto sulla scheda, mentre il movimento è già registrato."_s,
        u"Per inserire un nuovo prodotto si preme Nuovo, si compilano i campi e si preme "
        u"Salva. Per aggiornare una scheda la si richiama con le frecce di scorrimento "
        u"(prima, precedente, successiva, ultima) o con Trova, si modificano i dati e si "
        u"preme di nuovo Salva: la scheda viene riscritta al suo posto nell'archivio. Se nel "
        u"frattempo la stessa scheda è stata modificata su un'altra postazione, il "
        u"salvataggio viene rifiutato con un messaggio: si richiama la scheda, si ripetono "
        u"le modifiche e si salva di nuovo. Fa eccezione la sola giacenza: se l'altra "
        u"postazione ha cambiato soltanto quella, il salvataggio aggiunge alla giacenza in "
        u"archivio i movimenti registrati su questa scheda, e la scheda mostra la giacenza "
        u"così ottenuta."_s,
        u"Sotto il riquadro della foto ci sono i suoi pulsanti. Con Carica si sceglie un "
        u"file di immagine in formato JPEG o Bitmap. Con Webcam si apre la schermata della "
        u"webcam: si preme \"Accendi webcam\", poi \"Cattura foto\" nel momento giusto e "
        u"infine \"Importa foto in scheda\", che porta l'immagine catturata nella scheda."_s,
        u"La foto viene adattata al riquadro della scheda senza deformarla; con Ingrandisci "
        u"la si vede a tutto schermo e con un clic la si richiude. La foto entra "
        u"nell'archivio quando si preme il pulsante Salva della scheda: viene conservata "
        u"nella cartella Schedario, legata alla posizione della scheda nell'archivio, e da "
        u"quel momento ricompare ogni volta che la scheda viene richiamata. Il pulsante "
        u"Salva sotto la foto, invece, non tocca l'archivio: scrive l'immagine in un file "
        u"JPEG, con il nome e nella cartella che si scelgono, per esempio per inviarla per "
        u"posta elettronica. Con Cancella si toglie la foto dalla scheda; anche questo "
        u"cambiamento entra nell'archivio con il successivo salvataggio della scheda."_s,
        u"Nel campo Avviso si indica il numero di pezzi raggiunto il quale l'articolo è da "
        u"riordinare. Il pulsante Sottoscorta elenca tutti gli articoli la cui giacenza "
        u"è scesa al livello di avviso o più in basso; con un doppio clic su una riga "
        u"dell'elenco la scheda del prodotto torna nella schermata. Quanti sono gli articoli "
        u"sottoscorta lo dice anche la riga \"Da fare\" della schermata principale, da cui "
        u"si apre lo stesso elenco."_s,
        u"La categoria merceologica raggruppa i prodotti dello stesso genere (per esempio "
        u"Ferramenta, Vernici, Elettrico) ed è la chiave degli inventari parziali: "
        u"nell'area Inventario si può chiedere l'inventario di una sola categoria. Conviene "
        u"quindi scriverla sempre allo stesso modo."_s,
        u"Il campo Note della scheda accoglie qualsiasi informazione utile; poiché la "
        u"ricerca guarda anche le note, qui si possono scrivere parole chiave che aiutino a "
        u"ritrovare il prodotto."_s,
        u"Il pulsante Trova apre la ricerca nell'archivio dei prodotti: si possono scrivere "
        u"una o più parole, anche incomplete, in uno o più campi, e vengono elencate le "
        u"schede che le contengono tutte. Con un doppio clic su una scheda dell'elenco la "
        u"si richiama nella schermata. L'elenco dei risultati si può stampare."_s,
        u"Il pulsante Allegati associa alla scheda fino a tre file (per esempio la scheda "
        u"tecnica, il certificato di garanzia, la fattura), ciascuno con una breve "
        u"descrizione; i file vengono copiati nella cartella Documenti_Allegati e si "
        u"aprono dalla stessa schermata con Apri. Gli allegati entrano nell'archivio con il "
        u"successivo salvataggio della scheda."_s,
        u"Il pulsante Duplica prepara una nuova scheda con gli stessi dati di quella "
        u"visualizzata, pronta per essere modificata e salvata come nuovo prodotto: è comodo "
        u"per articoli simili, che differiscono soltanto per qualche dato. La nuova scheda "
        u"riprende anche la giacenza, ma non la foto né gli allegati; la scheda originale "
        u"resta com'era. Poiché la giacenza copiata non viene da movimenti registrati, se non "
        u"è zero il duplicato compare nella Verifica giacenze dell'inventario."_s,
        u"La casella Pagato indica che l'acquisto della merce è stato saldato. Il pulsante "
        u"Da saldare elenca gli articoli il cui pagamento non è ancora stato effettuato, con "
        u"la ditta fornitrice e la data di scadenza, per tenere sotto controllo i pagamenti "
        u"in sospeso; il loro numero compare anche nella riga \"Da fare\" della schermata "
        u"principale."_s,
        u"Il pulsante Anteprima mostra la scheda come verrà stampata e il pulsante Stampa la "
        u"stampa su un foglio A4, con o senza la foto del prodotto. Il pulsante Esporta apre "
        u"la schermata che scrive l'intero archivio dei prodotti in un foglio di calcolo in "
        u"formato XLS."_s,
    });
}

// The customer and supplier sheets work alike; their topics differ in these passages.
struct RegistryHelp {
    const char16_t* intro;
    const char16_t* data;
    const char16_t* more;
    const char16_t* duplicate;
    const char16_t* attachments;
};

const RegistryHelp kClienti = {
    u"L'anagrafica clienti è una rubrica completa dei clienti dell'azienda: oltre ai dati "
    u"anagrafici e ai recapiti permette di scrivere un messaggio di posta elettronica con "
    u"un clic, di controllare il codice fiscale, la partita IVA, il numero della carta di "
    u"credito e l'IBAN, e di annotare i prodotti e i servizi a cui ciascun cliente è "
    u"interessato.",
    u"Di ogni cliente si registrano il cognome e il nome, che sono obbligatori, e si "
    u"possono aggiungere la denominazione della ditta, il sesso, il telefono preferenziale, "
    u"l'indirizzo di residenza con provincia, comune e CAP, la data e il comune di "
    u"nascita, i telefoni di casa, dell'ufficio e cellulare, l'indirizzo PEC e quello "
    u"e-mail, il codice fiscale, la partita IVA, il codice destinatario per la "
    u"fatturazione elettronica, l'IBAN e la carta di credito con la sua scadenza.",
    u"Nel riquadro del documento di identità si annotano il tipo di documento, il numero, "
    u"l'ente che lo ha rilasciato, la data di rilascio e quella di scadenza. Nei campi "
    u"finali si scrivono i prodotti e i servizi di interesse, le questioni in sospeso e "
    u"le note. I documenti di identità già scaduti o che scadono entro 30 giorni sono "
    u"contati nella riga \"Da fare\" della schermata principale: facendo clic sulla voce "
    u"si apre l'elenco di quei clienti, con il documento e la sua scadenza, e con un "
    u"doppio clic su una riga la scheda del cliente torna nella schermata.",
    u"Il pulsante Duplica prepara una nuova scheda con gli stessi dati di quella "
    u"visualizzata, allegati esclusi, per esempio per un secondo cliente della stessa "
    u"famiglia o della stessa ditta: basta cambiare i dati diversi e salvare.",
    u"Il pulsante Allegati associa alla scheda fino a tre file (per esempio un contratto, "
    u"un preventivo o la copia di un documento), ciascuno con una breve descrizione; i "
    u"file si aprono dalla stessa schermata con Apri.",
};

const RegistryHelp kFornitori = {
    u"L'anagrafica fornitori conserva i dati di tutte le ditte che riforniscono l'azienda: "
    u"è una rubrica completa che permette di scrivere un messaggio di posta elettronica "
    u"con un clic e di controllare il codice fiscale, la partita IVA, il numero della "
    u"carta di credito e l'IBAN. I dati di un fornitore si possono importare nelle schede "
    u"dei prodotti del magazzino con il pulsante accanto alla ditta fornitrice, senza "
    u"doverli scrivere di nuovo.",
    u"Di ogni fornitore si registra la denominazione della ditta, che è obbligatoria, e si "
    u"possono aggiungere il titolare, il telefono preferenziale, l'indirizzo della sede "
    u"con provincia, città e CAP, i telefoni di casa, dell'ufficio e cellulare, il fax, "
    u"l'indirizzo e-mail, il codice fiscale, la partita IVA, l'IBAN, la carta di credito "
    u"con la sua scadenza e le modalità di pagamento.",
    u"Nei campi finali si annotano la merce acquistata di solito da quel fornitore, gli "
    u"sconti praticati, le condizioni di ordinazione e di consegna e le note.",
    u"Il pulsante Duplica prepara una nuova scheda con gli stessi dati di quella "
    u"visualizzata, allegati esclusi. Per uno stesso fornitore si possono così tenere più "
    u"schede, per esempio una per ogni genere di prodotto fornito, da richiamare poi "
    u"dalle schede dei prodotti.",
    u"Il pulsante Allegati associa alla scheda fino a tre file (per esempio il listino "
    u"prezzi, un catalogo o un contratto di fornitura), ciascuno con una breve "
    u"descrizione; i file si aprono dalla stessa schermata con Apri.",
};

QString registry(const RegistryHelp& h, const QString& who, const QString& archive) {
    return paragraphs({
        QString::fromUtf16(h.intro),
        QString::fromUtf16(h.data),
        QString::fromUtf16(h.more),
        u"Per inserire una nuova scheda si preme Nuovo, si compilano i campi e si preme "
        u"Salva. Per modificare una scheda la si richiama con le frecce di scorrimento o con "
        u"Trova, si cambiano i dati e si preme di nuovo Salva: la scheda viene riscritta al "
        u"suo posto nell'archivio. Se nel frattempo la stessa scheda è stata modificata su "
        u"un'altra postazione, il salvataggio viene rifiutato con un messaggio, per non "
        u"cancellare le modifiche dell'altra postazione: si richiama la scheda, si ripetono "
        u"le modifiche e si salva di nuovo."_s,
        u"Le questioni in sospeso ricordano che cosa resta da fare con %1. Contrassegnando "
        u"la casella \"Da ricontattare\" la scheda entra nell'elenco dei %2 da ricontattare, "
        u"che si apre con il pulsante Ricontatti; con un doppio clic su una riga "
        u"dell'elenco la scheda torna nella schermata. Il loro numero compare anche nella "
        u"riga \"Da fare\" della schermata principale, da cui si apre lo stesso elenco. "
        u"Quando la questione è risolta si toglie il segno dalla casella e si salva la "
        u"scheda."_s.arg(who, archive),
        QString::fromUtf16(h.duplicate),
        u"Il pulsante Trova apre la ricerca nell'archivio dei %1: si possono riempire uno o "
        u"più filtri insieme, anche con parole incomplete, e vengono elencate le schede che "
        u"li soddisfano tutti. Con un doppio clic su una scheda dell'elenco la si richiama "
        u"nella schermata."_s.arg(archive),
        QString::fromUtf16(h.attachments),
        u"I pulsanti di controllo accanto ai campi verificano il codice fiscale, la partita "
        u"IVA, il numero della carta di credito e l'IBAN. Una partita IVA corretta indica "
        u"anche l'ufficio provinciale che l'ha rilasciata. Il pulsante accanto all'indirizzo "
        u"e-mail apre il programma di posta con un nuovo messaggio per %1."_s.arg(who),
        u"Il pulsante Stampa stampa la scheda visualizzata, Anteprima la mostra come verrà "
        u"stampata e PDF la salva in un file PDF, pronto da inviare per posta elettronica. "
        u"Il pulsante Esporta apre la schermata che scrive l'intero archivio dei %1 in un "
        u"foglio di calcolo in formato XLS."_s.arg(archive),
    });
}

QString inventario() {
    return paragraphs({
        u"L'inventario elenca i prodotti dell'archivio del magazzino con il valore della "
        u"merce in giacenza. Per l'inventario di tutto il magazzino si lascia vuoto il campo "
        u"Categoria merceologica e si preme Visualizza; per un inventario parziale si scrive "
        u"la categoria dei prodotti da elencare, anche soltanto in parte: vengono elencati i "
        u"prodotti la cui categoria contiene il testo scritto (le maiuscole e le minuscole "
        u"non contano)."_s,
        u"Ogni riga dell'elenco riporta il codice articolo, il nome del prodotto, la data di "
        u"scadenza del pagamento, il costo unitario, la giacenza e il valore, cioè il costo "
        u"unitario "
        u"moltiplicato per la giacenza. In fondo all'elenco compare il valore totale della "
        u"merce elencata."_s,
        u"Per ritrovare un articolo nell'elenco si scrive una parola nel campo in basso e si "
        u"preme Trova; premendo di nuovo Trova si passa alla riga successiva che la "
        u"contiene. Il pulsante Stampa inventario stampa l'elenco con il valore totale."_s,
        u"La giacenza di un prodotto cambia soltanto con i movimenti di carico e di scarico, "
        u"quindi dovrebbe essere sempre uguale ai carichi meno gli scarichi registrati per "
        u"il suo codice articolo. Può non esserlo, per esempio, quando si è registrato un "
        u"movimento e poi non si è salvata la scheda, o quando una scheda è stata duplicata "
        u"con la sua giacenza. Il pulsante Verifica giacenze controlla tutto il magazzino, "
        u"qualunque categoria sia scritta, e apre l'elenco dei soli prodotti in cui i due "
        u"numeri non corrispondono: per ciascuno il codice articolo, il nome, la giacenza "
        u"sulla scheda, quella che risulta dai movimenti e la differenza. La verifica legge "
        u"soltanto: non cambia nulla negli archivi."_s,
        u"Più prodotti con lo stesso codice articolo non si possono distinguere nei "
        u"movimenti: le loro giacenze vengono sommate e confrontate insieme, e le loro righe, "
        u"vicine, sono segnate da un asterisco. Sotto l'elenco si legge quanti prodotti e "
        u"quanti movimenti sono stati esaminati; i movimenti con una quantità che non è un "
        u"numero non vengono contati e il loro numero viene indicato. Anche in questo elenco "
        u"si cerca con Trova e si stampa con Stampa; con un doppio clic su una riga la scheda "
        u"del prodotto si apre nella schermata del magazzino."_s,
    });
}

QString movimenti() {
    return paragraphs({
        u"I riepiloghi dei movimenti elencano le operazioni di carico merce (la merce entrata "
        u"in magazzino con il pulsante + della scheda prodotto) e quelle di scarico merce "
        u"(la merce uscita con il pulsante -). Ciascuna delle due aree ha la propria "
        u"schermata di selezione."_s,
        u"Si scrive l'anno e si scelgono il giorno e il mese di inizio e di fine "
        u"dell'intervallo: l'intervallo è sempre compreso nello stesso anno solare e la data "
        u"di inizio non può seguire quella di fine. Per limitare il riepilogo a un solo "
        u"articolo se ne scrive il codice articolo, anche in parte; lasciando vuoto il campo "
        u"si ottengono tutti gli articoli. Si preme poi Visualizza riepilogo."_s,
        u"Ogni riga dell'elenco riporta la data del movimento, il codice articolo, la "
        u"categoria e il nome del prodotto, la quantità caricata o scaricata e il costo "
        u"unitario (per i carichi) o il prezzo unitario (per gli scarichi). In fondo "
        u"all'elenco compare il numero totale dei movimenti elencati. L'ora, l'aspetto del "
        u"prodotto e le note di ogni movimento si leggono nell'esportazione in formato XLS."_s,
        u"Per ritrovare un movimento si scrive una parola nel campo in basso e si preme "
        u"Trova; premendo di nuovo Trova si passa alla riga successiva che la contiene. Il "
        u"pulsante Stampa riepilogo stampa l'elenco."_s,
        u"L'icona del foglio di calcolo nella schermata di selezione apre l'esportazione "
        u"dell'intero archivio dei movimenti di carico o di scarico, di tutti gli anni, in "
        u"un file in formato XLS."_s,
    });
}

// The five exports work alike: what is exported and into which file.
struct ExportHelp {
    HelpTopic topic;
    const char16_t* title;
    const char16_t* what; // "l'archivio dei ...", after "esporta"
    const char16_t* file;
    const char16_t* row; // what one row of the grid is
};

const ExportHelp kExports[] = {
    {HelpTopic::EsportaMagazzino, u"Esportazione magazzino prodotti in Microsoft Excel.",
     u"l'intero archivio dei prodotti del magazzino", u"Magazzino.xls", u"scheda"},
    {HelpTopic::EsportaClienti, u"Esportazione archivio clienti in Microsoft Excel.",
     u"l'intero archivio dei clienti", u"Clienti.xls", u"scheda"},
    {HelpTopic::EsportaFornitori, u"Esportazione archivio fornitori in Microsoft Excel.",
     u"l'intero archivio dei fornitori", u"Fornitori.xls", u"scheda"},
    {HelpTopic::EsportaCarico,
     u"Esportazione archivio movimenti di carico merce in Microsoft Excel.",
     u"l'intero archivio dei movimenti di carico merce", u"Registro_Carico.xls", u"movimento"},
    {HelpTopic::EsportaScarico,
     u"Esportazione archivio movimenti di scarico merce in Microsoft Excel.",
     u"l'intero archivio dei movimenti di scarico merce", u"Registro_Scarico.xls", u"movimento"},
};

const ExportHelp* exportHelp(HelpTopic topic) {
    for (const ExportHelp& e : kExports)
        if (e.topic == topic)
            return &e;
    return nullptr;
}

QString esporta(const ExportHelp& e) {
    const QString what = QString::fromUtf16(e.what);
    const QString file = QString::fromUtf16(e.file);
    return paragraphs({
        u"Questa schermata mostra %1, una riga per %2. L'icona del foglio di calcolo "
        u"esporta tutte le righe in un file in formato XLS, il formato dei fogli di "
        u"Microsoft Excel, che si apre con Excel, con LibreOffice Calc o con qualsiasi altro "
        u"programma che legga i file XLS."_s.arg(what, QString::fromUtf16(e.row)),
        u"Prima di scrivere il file il programma chiede conferma, perché con un archivio "
        u"grande l'esportazione può richiedere qualche minuto. Il file si chiama %1 e viene "
        u"scritto "
        u"nella cartella del programma, sostituendo quello dell'esportazione precedente."_s.arg(
            file),
        u"Al termine, rispondendo Sì alla domanda, il file si apre subito nel programma per "
        u"fogli di calcolo. Conviene salvarlo da lì con un nome a propria scelta e in una "
        u"cartella a propria scelta, perché la prossima esportazione sostituirà il file %1."_s.arg(
            file),
    });
}

} // namespace

QList<HelpTopic> topics() {
    return {HelpTopic::Generale,         HelpTopic::Magazzino,      HelpTopic::Clienti,
            HelpTopic::Fornitori,        HelpTopic::Inventario,     HelpTopic::Movimenti,
            HelpTopic::EsportaMagazzino, HelpTopic::EsportaClienti, HelpTopic::EsportaFornitori,
            HelpTopic::EsportaCarico,    HelpTopic::EsportaScarico};
}

QString title(HelpTopic topic) {
    switch (topic) {
    case HelpTopic::Generale:
        return u"Uno sguardo a Depotta."_s;
    case HelpTopic::Magazzino:
        return u"Applicazione Magazzino Prodotti."_s;
    case HelpTopic::Clienti:
        return u"Applicazione Anagrafica Clienti."_s;
    case HelpTopic::Fornitori:
        return u"Applicazione Anagrafica Fornitori."_s;
    case HelpTopic::Inventario:
        return u"Applicazione Inventario Merce."_s;
    case HelpTopic::Movimenti:
        return u"Applicazione Riepilogo Movimenti."_s;
    case HelpTopic::EsportaMagazzino:
    case HelpTopic::EsportaClienti:
    case HelpTopic::EsportaFornitori:
    case HelpTopic::EsportaCarico:
    case HelpTopic::EsportaScarico:
        return QString::fromUtf16(exportHelp(topic)->title);
    }
    return {};
}

QString text(HelpTopic topic) {
    switch (topic) {
    case HelpTopic::Generale:
        return generale();
    case HelpTopic::Magazzino:
        return magazzino();
    case HelpTopic::Clienti:
        return registry(kClienti, u"il cliente"_s, u"clienti"_s);
    case HelpTopic::Fornitori:
        return registry(kFornitori, u"il fornitore"_s, u"fornitori"_s);
    case HelpTopic::Inventario:
        return inventario();
    case HelpTopic::Movimenti:
        return movimenti();
    case HelpTopic::EsportaMagazzino:
    case HelpTopic::EsportaClienti:
    case HelpTopic::EsportaFornitori:
    case HelpTopic::EsportaCarico:
    case HelpTopic::EsportaScarico:
        return esporta(*exportHelp(topic));
    }
    return {};
}

QStringList paragraphs(HelpTopic topic) {
    return text(topic).split(kParagraphBreak);
}

QString initialPassword() {
    return u"DEPOTTA"_s;
}

} // namespace dp::help
