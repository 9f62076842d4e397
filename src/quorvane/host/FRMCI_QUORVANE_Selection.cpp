// The window is the one place that reads its controls into a selection record, and the one place that
// sets them from one: "Salva selezione…" writes the record to a file, "Apri selezione…" reads one back.
// A record is checked against the window whole before any control changes, so a refused file leaves the
// window as it was.

#include "FRMCI_QUORVANE.h"

#include "SelectionPanel.h"

#include "controls/CheckField.h"
#include "controls/ComboField.h"
#include "controls/CostAccountField.h"
#include "controls/DateFieldM.h"
#include "controls/MovementTypeSelector.h"
#include "controls/NumberFieldM.h"
#include "controls/OrderGrid.h"
#include "controls/QueryCondition.h"
#include "controls/QueryGrid.h"
#include "controls/TextFieldM.h"
#include "hostfw/Cinterface.h"
#include "hostfw/ClsGlobal.h"
#include "hostfw/Phrases.h"
#include "selection/OfferedRows.h"
#include "selection/OrderingColumns.h"
#include "selection/SelectionFile.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QPushButton>

namespace quorvane::host {

namespace {

using controls::QueryGrid;

std::string text(const controls::EditField* field)
{
    return field->Value().toStdString();
}

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

[[noreturn]] void refuse(const QString& key, const QString& why)
{
    throw SelectionFileError(hostfw::userText("Selection file: key \"%1\": %2").arg(key, why).toStdString());
}

// What is wrong with a grid's row, without the grid's name: the refusal names the row's key itself.
QString reasonOf(const std::exception& e)
{
    const auto* row = dynamic_cast<const GridRowError*>(&e);
    return QString::fromStdString(row ? row->why() : std::string(e.what()));
}

bool hasSections(const controls::QueryOffer& offer)
{
    return std::any_of(offer.begin(), offer.end(), [](const auto& row) { return row.section > 0; });
}

std::vector<LimitRow> limitRows(const QueryGrid& grid)
{
    std::vector<LimitRow> rows;
    const controls::QueryOffer& offer = grid.offer();
    for (std::size_t i = 0; i < offer.size(); ++i) {
        const controls::QueryValues values = grid.values(int(i));
        if (values.isEmpty())
            continue;
        LimitRow row{offer[i].caption.toStdString(), "", values.from.toStdString(), values.to.toStdString(), {}};
        if (hasSections(offer))
            row.section = offer[i].section == 0 ? "A" : "B";
        for (const QString& item : values.list)
            row.list.push_back(item.toStdString());
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<OrderRow> orderRows(const controls::OrderGrid& grid)
{
    std::vector<OrderRow> rows;
    for (const controls::ChosenOrderRow& chosen : grid.chosenRows())
        rows.push_back({chosen.caption.toStdString(), chosen.direction.toStdString(), chosen.group, chosen.period,
                        chosen.pageBreak});
    return rows;
}

int offerIndex(const controls::QueryOffer& offer, const LimitRow& row, const char* gridName)
{
    return int(&offeredQueryRow(offer, row, gridName) - offer.data());
}

controls::QueryValues queryValues(const LimitRow& row)
{
    controls::QueryValues values{text(row.from), text(row.to), {}};
    for (const std::string& item : row.list)
        values.list << text(item);
    return values;
}

// Every value of the grid's rows fits the row it names.
void checkLimitRows(const std::vector<LimitRow>& rows, const controls::QueryOffer& offer, const char* gridName)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QString key = QStringLiteral("%1[%2]").arg(QLatin1String(gridName)).arg(i);
        try {
            const controls::QueryRowDefinition& definition = offeredQueryRow(offer, rows[i], gridName);
            controls::queryCondition(definition, queryValues(rows[i]));
        } catch (const std::exception& e) {
            refuse(key, reasonOf(e));
        }
    }
}

void fillLimitRows(QueryGrid& grid, const std::vector<LimitRow>& rows, const char* gridName)
{
    grid.setOffer(grid.offer());
    for (const LimitRow& row : rows)
        grid.setValues(offerIndex(grid.offer(), row, gridName), queryValues(row));
}

std::vector<controls::ChosenOrderRow> chosenRows(const std::vector<OrderRow>& rows, const controls::OrderOffer& offer)
{
    std::vector<controls::ChosenOrderRow> chosen;
    for (const OrderRow& row : rows)
        chosen.push_back({text(row.caption), offeredOrderRow(offer, row).column, text(row.direction), row.group,
                          row.period, row.pageBreak});
    return chosen;
}

std::optional<std::vector<int>> movementTypeCodes(const std::optional<std::vector<std::string>>& codes)
{
    if (!codes)
        return std::nullopt;
    std::vector<int> numbers;
    for (const std::string& code : *codes) {
        bool ok = false;
        numbers.push_back(text(code).toInt(&ok));
        if (!ok)
            refuse(QStringLiteral("USR_TIPOMOV"),
                   hostfw::userText("\"%1\" is not a movement-type code").arg(text(code)));
    }
    return numbers;
}

} // namespace

SelectionParameters FRMCI_QUORVANE::selection() const
{
    const FormControls& c = controls_;
    SelectionParameters s;
    s.CBO_SELCONTOVDS = text(c.CBO_SELCONTOVDS);
    s.TXT_CONTO = text(c.TXT_CONTO);
    s.contoComplete = c.TXT_CONTO->isComplete();
    s.TXT_DATAREGDA = c.TXT_DATAREGDA->date();
    s.TXT_DATAREGA = c.TXT_DATAREGA->date();
    s.CHK_PERIODOCOMP = text(c.CHK_PERIODOCOMP);
    s.CBO_MESELI = text(c.CBO_MESELI);
    s.TXT_ANNOLI = text(c.TXT_ANNOLI);
    s.CBO_MESELS = text(c.CBO_MESELS);
    s.TXT_ANNOLS = text(c.TXT_ANNOLS);
    s.USR_TIPOMOV.emplace();
    for (int code : c.USR_TIPOMOV->checkedCodes())
        s.USR_TIPOMOV->push_back(std::to_string(code));
    s.CBO_INDOPERAZIONE = text(c.CBO_INDOPERAZIONE);
    s.CBO_SELPERIMP = text(c.CBO_SELPERIMP);
    s.TXT_IMPORTO = text(c.TXT_IMPORTO);
    s.TXT_PERC = text(c.TXT_PERC);
    s.CHK_QUANTITA = text(c.CHK_QUANTITA);
    s.CBO_SELPERQTA = text(c.CBO_SELPERQTA);
    s.TXT_QUANTITA = text(c.TXT_QUANTITA);
    s.TXT_PERCQTA = text(c.TXT_PERCQTA);
    s.TXT_CODICEVALUTA = c.TXT_CODICEVALUTA->Value().trimmed().toStdString();
    s.TXT_DATACAMBIO = c.TXT_DATACAMBIO->date();
    s.TXT_CAMBIO = text(c.TXT_CAMBIO);
    s.CHK_NO_PROGETTI = text(c.CHK_NO_PROGETTI);
    s.CHK_NO_COMMESSE = text(c.CHK_NO_COMMESSE);
    s.CHK_NO_VERSAMENTI = text(c.CHK_NO_VERSAMENTI);
    s.ADVQ_LIMITI = limitRows(*c.ADVQ_LIMITI);
    s.ADVQ_SELCONTI = limitRows(*c.ADVQ_SELCONTI);
    s.ADVO_ORDINAMENTI = orderRows(*c.ADVO_ORDINAMENTI);
    s.company = settings_.ditta.toInt();
    return s;
}

// The fields are set in the order the user fills them, each followed by what leaving it would do, so
// the fields that depend on another find it already set.
void FRMCI_QUORVANE::applySelection(const SelectionParameters& s)
{
    FormControls& c = controls_;
    const std::optional<std::vector<int>> movementTypes = movementTypeCodes(s.USR_TIPOMOV);
    checkLimitRows(s.ADVQ_LIMITI, c.ADVQ_LIMITI->offer(), "ADVQ_LIMITI");
    checkLimitRows(s.ADVQ_SELCONTI, c.ADVQ_SELCONTI->offer(), "ADVQ_SELCONTI");
    std::vector<controls::ChosenOrderRow> ordering;
    try {
        orderingColumns(s.ADVO_ORDINAMENTI, c.ADVO_ORDINAMENTI->offer());
        ordering = chosenRows(s.ADVO_ORDINAMENTI, c.ADVO_ORDINAMENTI->offer());
    } catch (const std::exception& e) {
        refuse(QStringLiteral("ADVO_ORDINAMENTI"), reasonOf(e));
    }

    c.CBO_SELCONTOVDS->setValue(text(s.CBO_SELCONTOVDS));
    c.TXT_CONTO->setValue(text(s.TXT_CONTO));
    panel_->showOpenedAccount();
    c.TXT_DATAREGDA->setDate(s.TXT_DATAREGDA);
    c.TXT_DATAREGA->setDate(s.TXT_DATAREGA);
    if (c.CHK_PERIODOCOMP->Value() != text(s.CHK_PERIODOCOMP))
        c.CHK_PERIODOCOMP->setValue(text(s.CHK_PERIODOCOMP));
    if (s.CHK_PERIODOCOMP == "1") {
        c.CBO_MESELI->setValue(text(s.CBO_MESELI));
        c.TXT_ANNOLI->setValue(text(s.TXT_ANNOLI));
        c.CBO_MESELS->setValue(text(s.CBO_MESELS));
        c.TXT_ANNOLS->setValue(text(s.TXT_ANNOLS));
    }
    panel_->updateMovementTypeReferenceDate();
    c.USR_TIPOMOV->setCheckedCodes(movementTypes);
    c.CBO_INDOPERAZIONE->setValue(text(s.CBO_INDOPERAZIONE));
    c.CBO_SELPERIMP->setValue(text(s.CBO_SELPERIMP));
    c.TXT_IMPORTO->setValue(text(s.TXT_IMPORTO));
    c.TXT_PERC->setValue(text(s.TXT_PERC));
    c.CHK_QUANTITA->setValue(text(s.CHK_QUANTITA));
    panel_->CHK_QUANTITA_Click();
    c.CBO_SELPERQTA->setValue(text(s.CBO_SELPERQTA));
    c.TXT_QUANTITA->setValue(text(s.TXT_QUANTITA));
    c.TXT_PERCQTA->setValue(text(s.TXT_PERCQTA));
    // A selection without a currency shows the company's own, as a new window does.
    c.TXT_CODICEVALUTA->setValue(s.TXT_CODICEVALUTA.empty() ? settings_.currency : text(s.TXT_CODICEVALUTA));
    c.TXT_CODICEVALUTA->StartDecode();
    c.TXT_DATACAMBIO->setDate(s.TXT_DATACAMBIO);
    panel_->AggiornaCambio();
    if (!s.TXT_CAMBIO.empty())
        c.TXT_CAMBIO->setValue(text(s.TXT_CAMBIO));
    c.CHK_NO_PROGETTI->setValue(text(s.CHK_NO_PROGETTI));
    c.CHK_NO_COMMESSE->setValue(text(s.CHK_NO_COMMESSE));
    c.CHK_NO_VERSAMENTI->setValue(text(s.CHK_NO_VERSAMENTI));
    fillLimitRows(*c.ADVQ_LIMITI, s.ADVQ_LIMITI, "ADVQ_LIMITI");
    fillLimitRows(*c.ADVQ_SELCONTI, s.ADVQ_SELCONTI, "ADVQ_SELCONTI");
    c.ADVO_ORDINAMENTI->setChosenRows(ordering);
    disableMovimenti();
}

bool FRMCI_QUORVANE::SalvaSelezione(const QString& path)
{
    try {
        saveSelectionFile(path, selection());
        return true;
    } catch (const std::exception& e) {
        showFileRefusal(QString::fromUtf8(e.what()));
        return false;
    }
}

bool FRMCI_QUORVANE::ApriSelezione(const QString& path)
{
    try {
        applySelection(loadSelectionFile(path));
        return true;
    } catch (const std::exception& e) {
        showFileRefusal(QString::fromUtf8(e.what()));
        return false;
    }
}

// The file's error names the key; the session's dialogs show it as a refusal.
void FRMCI_QUORVANE::showFileRefusal(const QString& error)
{
    activeInterface_->ClsGlobal()->dialogs().answer(
        {hostfw::DialogIcon::Warning, hostfw::DialogButtons::Ok, applicationTitle(), error});
}

void FRMCI_QUORVANE::connectSelectionCommands()
{
    const QString filter = hostfw::userText("Selezioni (*.json)");
    connect(controls_.CMD_SALVASELEZIONE, &QPushButton::clicked, this, [this, filter] {
        const QString path = QFileDialog::getSaveFileName(this, hostfw::userText("Salva selezione"), {}, filter);
        if (!path.isEmpty())
            SalvaSelezione(path);
    });
    connect(controls_.CMD_APRISELEZIONE, &QPushButton::clicked, this, [this, filter] {
        const QString path = QFileDialog::getOpenFileName(this, hostfw::userText("Apri selezione"), {}, filter);
        if (!path.isEmpty())
            ApriSelezione(path);
    });
    auto* menu = new QMenu(controls_.CMD_SELEZIONI);
    controls_.CMD_SELEZIONI->setMenu(menu);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { fillSelectionsMenu(*menu); });
}

// The recent selections, newest first, then the named ones, then the command that names the one shown. The
// menu is filled each time it opens, so another window's selections show in it too.
void FRMCI_QUORVANE::fillSelectionsMenu(QMenu& menu)
{
    menu.clear();
    for (const auto& entries : {selections_.recent(), selections_.named()}) {
        for (const RememberedSelection& entry : entries)
            menu.addAction(entry.caption, this, [this, json = entry.json] { openRemembered(json); });
        menu.addSeparator();
    }
    menu.addAction(hostfw::userText("Salva con &nome…"), this, [this] { nameSelection(); });
}

void FRMCI_QUORVANE::openRemembered(const QByteArray& json)
{
    try {
        applySelection(parseSelection(json));
    } catch (const std::exception& e) {
        showFileRefusal(QString::fromUtf8(e.what()));
    }
}

void FRMCI_QUORVANE::nameSelection()
{
    const QString name = QInputDialog::getText(this, hostfw::userText("Salva selezione"), hostfw::userText("Nome:"))
                             .trimmed();
    if (!name.isEmpty())
        selections_.keepNamed(name, selection());
}

void FRMCI_QUORVANE::setLookupChooser(controls::LookupChooser chooser)
{
    if (panel_)
        panel_->setLookupChooser(chooser);
}

} // namespace quorvane::host
