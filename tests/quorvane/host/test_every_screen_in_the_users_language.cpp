// Every screen of the ledger window in the user's language: an English user opens the window, goes through
// the selection panel's tabs and a grid's lookup, processes a grouped ledger with quantities, opens a line's
// detail, and prints it; no caption, header, button, menu item, total, summary word, preview control or printed
// fixed word is one that only the Italian catalogue holds, and the page counts its pages in English. An
// Italian user meets Qt's own dialogs in Italian.

#include "PanelTestSupport.h"

#include "controls/CodeLookupDialog.h"
#include "controls/ComboField.h"
#include "controls/DataGrid.h"
#include "controls/GroupTreeView.h"
#include "controls/TabStrip.h"
#include "controls/ToolbarMenuButton.h"
#include "hostfw/Catalogue.h"
#include "hostfw/Phrases.h"
#include "hostfw/UserLanguage.h"
#include "report/ReportPreview.h"

#include <poppler-qt6.h>

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <set>

namespace {

// Words both languages write alike, or names, that the check lets pass.
const QStringList allowedNames{QStringLiteral("Intercompany"), QStringLiteral("No")};

// Texts that only the Italian side of the catalogue and of the phrase book holds.
std::set<QString> italianOnlyTexts()
{
    std::set<QString> italian, english;
    for (const hostfw::Phrase& p : hostfw::Phrases::entries()) {
        italian.insert(QString::fromUtf8(p.italian));
        english.insert(QString::fromUtf8(p.english));
    }
    for (const hostfw::CatalogueEntry& e : hostfw::Catalogue::entries()) {
        italian.insert(QString::fromUtf8(e.italian));
        english.insert(QString::fromUtf8(e.english));
    }
    std::set<QString> only;
    for (const QString& text : italian)
        if (!english.count(text) && !allowedNames.contains(text))
            only.insert(text);
    return only;
}

// A text as the catalogue would hold it: without its mnemonic mark.
QString plain(QString text)
{
    return text.remove(QLatin1Char('&')).trimmed();
}

void addHeaders(QStringList& texts, const QHeaderView* header)
{
    if (!header || !header->model())
        return;
    for (int section = 0; section < header->count(); ++section)
        texts << header->model()->headerData(section, header->orientation()).toString();
}

// What the window writes on its widgets: captions, labels, buttons, tabs, combo items, headers, the
// grids' own rows (not the data the database gives), menu items and placeholders.
QStringList shownTexts(const QWidget* root)
{
    QStringList texts{root->windowTitle()};
    for (const QLabel* label : root->findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QGroupBox* box : root->findChildren<QGroupBox*>())
        texts << box->title();
    for (const QTabBar* tabs : root->findChildren<QTabBar*>())
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    for (const QComboBox* combo : root->findChildren<QComboBox*>())
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    for (const QLineEdit* edit : root->findChildren<QLineEdit*>())
        texts << edit->placeholderText();
    for (const QAction* action : root->findChildren<QAction*>())
        texts << action->text();
    for (const QAbstractItemView* view : root->findChildren<QAbstractItemView*>()) {
        if (const auto* table = qobject_cast<const QTableView*>(view))
            addHeaders(texts, table->horizontalHeader());
        if (const auto* tree = qobject_cast<const QTreeView*>(view))
            addHeaders(texts, tree->header());
    }
    for (const QTableWidget* table : root->findChildren<QTableWidget*>())
        for (int r = 0; r < table->rowCount(); ++r)
            if (const QTableWidgetItem* item = table->item(r, 0))
                texts << item->text();
    for (const QTreeWidget* tree : root->findChildren<QTreeWidget*>())
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it)
            texts << (*it)->text(0);
    return texts;
}

QStringList italianIn(const QStringList& texts)
{
    static const std::set<QString> italian = italianOnlyTexts();
    QStringList found;
    for (const QString& text : texts)
        if (italian.count(plain(text)) && !found.contains(plain(text)))
            found << plain(text);
    return found;
}

// The printed ledger's text, read back from the preview's PDF; the preview's own controls join `texts`, and
// the preview is closed.
QString previewedText(QStringList& texts)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* preview = qobject_cast<report::ReportPreview*>(window); preview && preview->isVisible()) {
            QTemporaryDir dir;
            const QString pdf = dir.filePath(QStringLiteral("preview.pdf"));
            preview->savePdf(pdf);
            texts << shownTexts(preview);
            preview->close();
            const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(pdf);
            return document->page(0)->text(QRectF());
        }
    return {};
}

// The printed fixed words: the Italian-only phrases of six letters or more found in the page's text. The
// demo's own descriptions are Italian: short words such as "del" are theirs as well as the system's, and so
// is "Ricavi" of the general-ledger account "Ricavi diversi".
QStringList italianPrinted(const QString& page)
{
    static const QStringList dataWords{QStringLiteral("Ricavi")};
    QStringList found;
    for (const QString& text : italianOnlyTexts())
        if (text.trimmed().size() >= 6 && !dataWords.contains(text) && page.contains(text))
            found << text;
    return found;
}

} // namespace

class EveryScreenInTheUsersLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void anEnglishUserMeetsNoItalianWord();
    void anItalianUserMeetsQtsDialogsInItalian();
};

void EveryScreenInTheUsersLanguageTest::anEnglishUserMeetsNoItalianWord()
{
    hostfw::installUserLanguage(hostfw::Language::English);
    paneltest::PanelWindow w(1, QStringLiteral("ENG "));
    QVERIFY(w.active());
    QStringList texts = shownTexts(w.window);
    w.choose(w.c().CBO_SELCONTOVDS, QStringLiteral("2"));   // the account filter's tab
    texts << shownTexts(w.window);
    const controls::CodeLookupDialog lookup({nullptr, {QStringLiteral("Commessa"), 0, {}, {}}});
    texts << shownTexts(&lookup);
    w.window->applySelection(paneltest::groupedByCentreAndMonth());
    w.window->CMD_ELABORA_ButtonClick();
    QVERIFY2(w.answerer->requests.empty(), qPrintable(w.answerer->texts().join(QLatin1Char('\n'))));
    QTest::mouseClick(w.c().CHK_VIEWRIGHE, Qt::LeftButton);   // the detail of the current line
    w.c().GRD_MOVIMENTI->setFocus();
    texts << shownTexts(w.window) << w.statusBar.panelText(2);

    w.c().CMD_STAMPA->item(QStringLiteral("Key_Stampa"))->trigger();
    const QString page = previewedText(texts);
    const QStringList shown = italianIn(texts);
    QVERIFY2(shown.isEmpty(), qPrintable(shown.join(QStringLiteral(" | "))));
    QVERIFY(page.contains(QStringLiteral("Balance")) && page.contains(QStringLiteral("Page 1 of ")));
    const QStringList printed = italianPrinted(page);
    QVERIFY2(printed.isEmpty(), qPrintable(printed.join(QStringLiteral(" | "))));
}

void EveryScreenInTheUsersLanguageTest::anItalianUserMeetsQtsDialogsInItalian()
{
    hostfw::installUserLanguage(hostfw::Language::Italian);
    const QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    QCOMPARE(plain(buttons.button(QDialogButtonBox::Cancel)->text()), QStringLiteral("Annulla"));
    QCOMPARE(plain(buttons.button(QDialogButtonBox::Save)->text()), QStringLiteral("Salva"));
    hostfw::installUserLanguage(hostfw::Language::English);
    const QDialogButtonBox english(QDialogButtonBox::Cancel);
    QCOMPARE(plain(english.button(QDialogButtonBox::Cancel)->text()), QStringLiteral("Cancel"));
}

QTEST_MAIN(EveryScreenInTheUsersLanguageTest)
#include "test_every_screen_in_the_users_language.moc"
