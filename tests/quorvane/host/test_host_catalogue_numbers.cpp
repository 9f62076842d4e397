// Every catalogue number the plug-in class and the window's set-up show or translate is in the host's
// catalogue, in both languages: a number missing there would reach the user as "[number]".

#include "host/HostMessages.h"

#include "hostfw/Catalogue.h"

#include <QtTest>

using namespace quorvane::host;
using hostfw::Catalogue;

class CatalogueNumbersTest : public QObject {
    Q_OBJECT
private slots:
    void everyNumberTheHostCodeUsesIsInTheCatalogue_data();
    void everyNumberTheHostCodeUsesIsInTheCatalogue();
};

void CatalogueNumbersTest::everyNumberTheHostCodeUsesIsInTheCatalogue_data()
{
    QTest::addColumn<int>("number");
    const int used[] = {messages::companyChangeRefused, messages::exportRefused, messages::buttonRefused,
                        messages::financialNeedsQev,    texts::noValue,          texts::unrestricted,
                        texts::exactValue,              texts::from,             texts::to,
                        texts::range,                   texts::repeatedDocument, texts::costSide,
                        texts::revenueSide,             texts::financialCostSide, texts::financialRevenueSide};
    for (int number : used)
        QTest::addRow("%d", number) << number;
}

void CatalogueNumbersTest::everyNumberTheHostCodeUsesIsInTheCatalogue()
{
    QFETCH(int, number);
    QVERIFY(Catalogue::contains(number));
}

QTEST_GUILESS_MAIN(CatalogueNumbersTest)
#include "test_host_catalogue_numbers.moc"
