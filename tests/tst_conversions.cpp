// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/conversions.h"
#include "board/statestring.h"

#include <QTest>

class TestConversions : public QObject
{
    Q_OBJECT
private slots:
    void numericValueReadsLeadingNumber_data();
    void numericValueReadsLeadingNumber();
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void decimalTextIsShortest();
    void stateStringReadsMissingCharactersAsLeftPeg();
};

void TestConversions::numericValueReadsLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("minus one") << "-1" << -1.0;
    QTest::newRow("digit") << "7" << 7.0;
    QTest::newRow("digits then letter") << "12x" << 12.0;
    QTest::newRow("letter first") << "x12" << 0.0;
    QTest::newRow("minus alone") << "-" << 0.0;
    QTest::newRow("blank first") << " 5" << 0.0;
    QTest::newRow("large counter") << "1234567" << 1234567.0;
    QTest::newRow("non-ascii digit") << QStringLiteral("٣") << 0.0;
}

void TestConversions::numericValueReadsLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(numericValue(text), value);
}

void TestConversions::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<long long>("rounded");
    QTest::newRow("0.5") << 0.5 << 0LL;
    QTest::newRow("1.5") << 1.5 << 2LL;
    QTest::newRow("2.5") << 2.5 << 2LL;
    QTest::newRow("-0.5") << -0.5 << 0LL;
    QTest::newRow("-1.5") << -1.5 << -2LL;
    QTest::newRow("-2.5") << -2.5 << -2LL;
    QTest::newRow("below half") << 2.4999 << 2LL;
    QTest::newRow("above half") << 2.5001 << 3LL;
    QTest::newRow("99.5 draws 100") << 99.5 << 100LL;
}

void TestConversions::roundsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(long long, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

void TestConversions::decimalTextIsShortest()
{
    QCOMPARE(decimalText(0), QStringLiteral("0"));
    QCOMPARE(decimalText(-1), QStringLiteral("-1"));
    QCOMPARE(decimalText(31), QStringLiteral("31"));
}

void TestConversions::stateStringReadsMissingCharactersAsLeftPeg()
{
    QCOMPARE(pegInState(QString(), 0), 0);
    QCOMPARE(pegInState(QStringLiteral("21"), 1), 1);
    QCOMPARE(pegInState(QStringLiteral("21"), 2), 0);
    QCOMPARE(pegInState(QStringLiteral("2000000002"), 9), 2);
}

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
