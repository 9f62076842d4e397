// The movement-type selector: the types of its kinds that are valid in its range, ticked on loading, the
// condition of the ticked types (none when nothing is ticked), and its caption.

#include "controls/MovementTypeSelector.h"

#include <QListWidget>
#include <QtTest>

using namespace controls;

namespace {

class Types : public MovementTypeSource {
public:
    std::vector<MovementType> movementTypes() const override
    {
        return {{1, "Consuntivo effettivo", "Effettivo", "EFF", 0, {}, {}},
                {2, "Consuntivo stimato", "Stimato", "STI", 0, QDate(2022, 1, 1), {}},
                {3, "Budget annuale", "Budget", "BDG", 1, {}, {}},
                {5, "Simulazione", "Simulazione", "SIM", 2, {}, {}},
                {6, "Esercizi chiusi", "Storico", "STO", 0, {}, QDate(2021, 12, 31)}};
    }
};

struct Loaded {
    Types types;
    MovementTypeSelector selector;
    Loaded()
    {
        selector.setSource(&types);
        selector.setCaptionSeparator(QStringLiteral("| "));
        selector.setCaptionDescription(2);
        selector.Load();
        selector.setKindFilter(QStringLiteral("0,1"));
    }
};

} // namespace

class MovementTypeSelectorTest : public QObject {
    Q_OBJECT
private slots:
    void loadingTicksEveryTypeOfTheFilteredKinds()
    {
        Loaded l;
        QCOMPARE(l.selector.offeredCodes(), (std::vector<int>{1, 2, 3, 6}));
        QCOMPARE(l.selector.SQLCondition(), QStringLiteral("CGT0_CODICE IN (1,2,3,6)"));
        QCOMPARE(l.selector.Caption(), QStringLiteral("Effettivo| Stimato| Budget| Storico"));
    }

    void theValidityRangeOffersTheTypesValidInIt_data()
    {
        QTest::addColumn<std::optional<QDate>>("from");
        QTest::addColumn<std::optional<QDate>>("to");
        QTest::addColumn<std::vector<int>>("offered");
        QTest::newRow("open range") << std::optional<QDate>() << std::optional<QDate>() << std::vector<int>{1, 2, 3, 6};
        QTest::newRow("2023 only") << std::optional<QDate>(QDate(2023, 1, 1)) << std::optional<QDate>(QDate(2023, 12, 31))
                                   << std::vector<int>{1, 2, 3};
        QTest::newRow("2021 only") << std::optional<QDate>(QDate(2021, 1, 1)) << std::optional<QDate>(QDate(2021, 12, 31))
                                   << std::vector<int>{1, 3, 6};
        QTest::newRow("up to 2022") << std::optional<QDate>() << std::optional<QDate>(QDate(2022, 1, 1))
                                    << std::vector<int>{1, 2, 3, 6};
    }
    void theValidityRangeOffersTheTypesValidInIt()
    {
        QFETCH(std::optional<QDate>, from);
        QFETCH(std::optional<QDate>, to);
        QFETCH(std::vector<int>, offered);
        Loaded l;
        l.selector.setValidityRange(from, to);
        QCOMPARE(l.selector.offeredCodes(), offered);
    }

    void nothingTickedGivesNoCondition()
    {
        Loaded l;
        QSignalSpy changes(&l.selector, &MovementTypeSelector::Changed);
        for (int code : l.selector.offeredCodes())
            l.selector.setChecked(code, false);
        QCOMPARE(changes.count(), 4);
        QCOMPARE(l.selector.SQLCondition(), QString());   // the check before processing refuses it
        QCOMPARE(l.selector.Caption(), QString());
    }

    void theUsersChoiceSurvivesAChangeOfWhatIsOffered()
    {
        Loaded l;
        l.selector.setChecked(3, false);
        l.selector.setValidityRange(QDate(2021, 1, 1), QDate(2021, 6, 30));
        QCOMPARE(l.selector.checkedCodes(), (std::vector<int>{1, 6}));
        l.selector.setReferenceDate(1);
        QCOMPARE(l.selector.checkedCodes(), (std::vector<int>{1, 2, 6}));
        l.selector.setCheckedCodes(std::vector<int>{2});
        QCOMPARE(l.selector.SQLCondition(), QStringLiteral("CGT0_CODICE IN (2)"));
        l.selector.setCheckedCodes(std::nullopt);
        QCOMPARE(l.selector.checkedCodes(), (std::vector<int>{1, 2, 3, 6}));
    }

    void theReferenceDateOffersTheTypesValidOnIt()
    {
        Loaded l;
        l.selector.setReferenceDate(QDate(2021, 5, 1));
        QCOMPARE(l.selector.offeredCodes(), (std::vector<int>{1, 3, 6}));
        l.selector.setReferenceDate(1);
        QCOMPARE(l.selector.offeredCodes(), (std::vector<int>{1, 2, 3, 6}));
    }
};

QTEST_MAIN(MovementTypeSelectorTest)
#include "test_movement_type_selector.moc"
