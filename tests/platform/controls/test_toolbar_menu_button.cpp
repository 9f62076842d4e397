// The command button with a menu: items addressed by key, enabled one by one, and their choice raised with
// the key; an unknown or repeated key is refused.

#include "controls/ToolbarMenuButton.h"

#include <QAction>
#include <QSignalSpy>
#include <QtTest>

using namespace controls;

class ToolbarMenuButtonTest : public QObject {
    Q_OBJECT
private slots:
    void itemsAreEnabledAndChosenByKey();
    void thePressOfTheButtonItselfIsNoMenuChoice();
    void unknownAndRepeatedKeysAreRefused();
};

void ToolbarMenuButtonTest::itemsAreEnabledAndChosenByKey()
{
    ToolbarMenuButton button;
    button.addItem(QStringLiteral("Key_Stampa"), QStringLiteral("Stampa"));
    button.addItem(QStringLiteral("Key_StampaGruppoCorrente"), QStringLiteral("Stampa solo gruppo corrente"));
    button.setItemEnabled(QStringLiteral("Key_StampaGruppoCorrente"), false);
    QVERIFY(button.isItemEnabled(QStringLiteral("Key_Stampa")));
    QVERIFY(!button.isItemEnabled(QStringLiteral("Key_StampaGruppoCorrente")));
    QSignalSpy chosen(&button, &ToolbarMenuButton::MenuClick);
    button.item(QStringLiteral("Key_Stampa"))->trigger();
    button.item(QStringLiteral("Key_StampaGruppoCorrente"))->trigger();   // disabled: no choice
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toString(), QStringLiteral("Key_Stampa"));
}

void ToolbarMenuButtonTest::thePressOfTheButtonItselfIsNoMenuChoice()
{
    ToolbarMenuButton button;
    button.addItem(QStringLiteral("Key_Stampa"), QStringLiteral("Stampa"));
    QSignalSpy pressed(&button, &ToolbarMenuButton::ButtonClick);
    QSignalSpy chosen(&button, &ToolbarMenuButton::MenuClick);
    button.click();
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(chosen.count(), 0);
}

void ToolbarMenuButtonTest::unknownAndRepeatedKeysAreRefused()
{
    ToolbarMenuButton button;
    button.addItem(QStringLiteral("Key_Stampa"), QStringLiteral("Stampa"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, button.addItem(QStringLiteral("Key_Stampa"), QString()));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, button.setItemEnabled(QStringLiteral("Key_X"), true));
}

QTEST_MAIN(ToolbarMenuButtonTest)
#include "test_toolbar_menu_button.moc"
