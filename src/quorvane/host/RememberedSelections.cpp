#include "RememberedSelections.h"

#include "UserSettings.h"

#include "hostfw/Phrases.h"
#include "selection/SelectionFile.h"

#include <QSettings>
#include <QStringList>

namespace quorvane::host {
namespace {

const QString recentGroup = QStringLiteral("selezioni/recenti");
const QString namedGroup = QStringLiteral("selezioni/nominate");

std::vector<RememberedSelection> readArray(QSettings& settings, const QString& group)
{
    std::vector<RememberedSelection> entries;
    const int size = settings.beginReadArray(group);
    for (int i = 0; i < size; ++i) {
        settings.setArrayIndex(i);
        entries.push_back({settings.value(QStringLiteral("caption")).toString(),
                           settings.value(QStringLiteral("json")).toByteArray()});
    }
    settings.endArray();
    return entries;
}

void writeArray(QSettings& settings, const QString& group, const std::vector<RememberedSelection>& entries)
{
    settings.remove(group);
    settings.beginWriteArray(group, static_cast<int>(entries.size()));
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("caption"), entries[static_cast<std::size_t>(i)].caption);
        settings.setValue(QStringLiteral("json"), entries[static_cast<std::size_t>(i)].json);
    }
    settings.endArray();
}

// The entry first, and any older entry of the same key (what `sameAs` compares) after it no more.
void putFirst(std::vector<RememberedSelection>& entries, RememberedSelection entry,
              bool (*sameAs)(const RememberedSelection&, const RememberedSelection&))
{
    std::erase_if(entries, [&](const RememberedSelection& old) { return sameAs(old, entry); });
    entries.insert(entries.begin(), std::move(entry));
}

QString dateText(const std::optional<QDate>& date)
{
    return date ? date->toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

} // namespace

RememberedSelections::RememberedSelections()
    : settings_(QSettings::UserScope, settingsOrganisation, settingsApplication)
{
}

std::vector<RememberedSelection> RememberedSelections::recent() const
{
    return readArray(settings_, recentGroup);
}

std::vector<RememberedSelection> RememberedSelections::named() const
{
    return readArray(settings_, namedGroup);
}

void RememberedSelections::rememberProcessed(const SelectionParameters& selection)
{
    std::vector<RememberedSelection> entries = recent();
    putFirst(entries, {recentCaption(selection), serializeSelection(selection)},
             [](const RememberedSelection& a, const RememberedSelection& b) { return a.json == b.json; });
    if (entries.size() > static_cast<std::size_t>(recentCount))
        entries.resize(recentCount);
    writeArray(settings_, recentGroup, entries);
}

void RememberedSelections::keepNamed(const QString& name, const SelectionParameters& selection)
{
    std::vector<RememberedSelection> entries = named();
    putFirst(entries, {name, serializeSelection(selection)},
             [](const RememberedSelection& a, const RememberedSelection& b) { return a.caption == b.caption; });
    writeArray(settings_, namedGroup, entries);
}

QString recentCaption(const SelectionParameters& selection)
{
    QStringList parts;
    if (!selection.TXT_CONTO.empty())
        parts << QString::fromStdString(selection.TXT_CONTO);
    if (selection.TXT_DATAREGDA || selection.TXT_DATAREGA)
        parts << dateText(selection.TXT_DATAREGDA) + QStringLiteral("–") + dateText(selection.TXT_DATAREGA);
    QStringList groups;
    for (const OrderRow& row : selection.ADVO_ORDINAMENTI)
        if (row.group)
            groups << QString::fromStdString(row.caption);
    if (!groups.isEmpty())
        parts << groups.join(QStringLiteral(" / "));
    return parts.isEmpty() ? hostfw::userText("(tutti i movimenti)") : parts.join(QStringLiteral(" · "));
}

} // namespace quorvane::host
