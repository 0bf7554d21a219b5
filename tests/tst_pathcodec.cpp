// SPDX-License-Identifier: GPL-3.0-or-later
#include "pathcodec.h"

#include <QTest>

class tst_PathCodec : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
};

void tst_PathCodec::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("undecodable");

    QTest::newRow("ascii") << QByteArray("notes.txt") << false;
    QTest::newRow("utf-8") << QByteArray("Gr\xc3\xbc\xc3\x9f"
                                         "e \xf0\x9f\x98\x80")
                           << false;
    QTest::newRow("latin-1") << QByteArray("K\xf6ln.txt") << true;
    QTest::newRow("every high byte") << [] {
        QByteArray all;
        for (int b = 0x80; b <= 0xFF; ++b)
            all += char(b);
        return all;
    }() << true;
    QTest::newRow("lone continuation") << QByteArray("a\x80z") << true;
    QTest::newRow("overlong slash") << QByteArray("x\xc0\xafy") << true;
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xb2\x80") << true;
    QTest::newRow("truncated sequence") << QByteArray("end\xe2\x82") << true;
    QTest::newRow("mixed") << QByteArray("\xc3\xa9t\xe9 \xe2\x82\xac") << true;
}

void tst_PathCodec::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, undecodable);

    const QString name = PathCodec::decode(bytes);
    QCOMPARE(PathCodec::hasUndecodable(name), undecodable);
    QCOMPARE(PathCodec::encode(name), bytes);
    if (!undecodable)
        QCOMPARE(name, QString::fromUtf8(bytes));
    // What decodes keeps its characters: only the bad bytes are escaped.
    if (bytes == "K\xf6ln.txt")
        QCOMPARE(name, QString::fromUtf16(u"K\xdcf6ln.txt"));
}

QTEST_APPLESS_MAIN(tst_PathCodec)
#include "tst_pathcodec.moc"
