// SPDX-License-Identifier: GPL-3.0-or-later
// One spelling per place, and one order of names for every list that sorts
// them: the listing, path completion, the pictures of a folder and the
// platform's list model.
#include "foldermodel.h"
#include "imageloader.h"
#include "nameorder.h"
#include "pathcodec.h"
#include "paths.h"
#include "pathtools.h"
#include "shownnames.h"

#include <bb/cascades/GroupDataModel>

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class tst_Names : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void clean_data();
    void clean();
    void oneOrder_data();
    void oneOrder();
    void shown_data();
    void shown();
};

void tst_Names::clean_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("clean");
    QTest::addColumn<QString>("parent");
    QTest::newRow("doubled at the start") << "//usr/"
                                          << "/usr"
                                          << "/";
    QTest::newRow("plain") << "/usr"
                           << "/usr"
                           << "/";
    QTest::newRow("trailing") << "/usr/"
                              << "/usr"
                              << "/";
    QTest::newRow("doubled at the end") << "/usr//"
                                        << "/usr"
                                        << "/";
    QTest::newRow("dots") << "/a/./b/../c"
                          << "/a/c"
                          << "/a/";
    QTest::newRow("above the root") << "/../../x"
                                    << "/x"
                                    << "/";
    QTest::newRow("root") << "//"
                          << "/"
                          << "/";
    QTest::newRow("relative") << "a//b/"
                              << "a/b"
                              << "a/";
    QTest::newRow("relative climbs") << "../a/../../b"
                                     << "../../b"
                                     << "../../";
    QTest::newRow("nothing left") << "a/.."
                                  << "."
                                  << "../";
    QTest::newRow("empty") << ""
                           << ""
                           << "/";
    const QString odd = PathCodec::decode(QByteArray("caf\xE9"));
    QTest::newRow("odd bytes kept") << "/" + odd + "//"
                                    << "/" + odd << "/";
}

void tst_Names::clean()
{
    QFETCH(QString, path);
    QFETCH(QString, clean);
    QFETCH(QString, parent);
    QCOMPARE(Paths::clean(path), clean);
    QCOMPARE(Paths::parentOf(path), parent);
    QCOMPARE(Paths::folderForm(path), clean.isEmpty() || clean == "/" ? clean : clean + "/");
    QVERIFY(Paths::sameFolder(path, clean));
    // The scene asks through PathTools and gets the same.
    PathTools tools;
    QCOMPARE(tools.clean(path), clean);
    QVERIFY(tools.sameFolder(path + "//", clean) || path.isEmpty());
}

void tst_Names::oneOrder_data()
{
    QTest::addColumn<QString>("locale");
    // The C locale's collator ignores numbers; German sorts "Ä" with "A".
    QTest::newRow("C") << "C";
    QTest::newRow("German") << "de_DE";
}

void tst_Names::oneOrder()
{
    QFETCH(QString, locale);
    const QLocale saved;
    QLocale::setDefault(QLocale(locale));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(saved); });

    const QStringList expected = {"1",    "9",     "10",    "alpha", "Äpfel",
                                  "Beta", "file2", "File3", "file10"};
    QStringList sorted = {"file10", "Beta", "9", "file2", "alpha", "10", "Äpfel", "File3", "1"};
    NameOrder::sort(sorted);
    QCOMPARE(sorted, expected);

    // The same names as folders (listing, completion) and as pictures.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QDir root(dir.path());
    QVERIFY(root.mkpath("folders") && root.mkpath("pictures"));
    for (const QString &name : expected) {
        QVERIFY(root.mkpath("folders/" + name));
        QFile picture(root.filePath("pictures/" + name + ".png"));
        QVERIFY(picture.open(QIODevice::WriteOnly));
    }

    FolderModel model;
    QSignalSpy loaded(&model, &FolderModel::loaded);
    model.setFolder(root.filePath("folders"));
    QVERIFY(loaded.wait());
    QStringList listed;
    for (int row = 0; row < model.count(); ++row)
        listed << model.get(row).value("fileName").toString();
    QCOMPARE(listed, expected);

    QStringList completed = PathTools().complete("", root.filePath("folders"), 100);
    for (QString &name : completed)
        name.chop(1);
    QCOMPARE(completed, expected);

    QStringList pictures;
    const QString folder = root.filePath("pictures/");
    model.setFolder(folder);
    QVERIFY(loaded.wait());
    for (QString next = folder + "1.png"; !next.isEmpty();) {
        pictures << next.mid(folder.size()).chopped(4);
        next = ImageLoader::firstPicture(model.pictureCandidates(next, 1));
    }
    QCOMPARE(pictures, expected);

    bb::cascades::GroupDataModel records;
    records.setSortingKeys({"name"});
    for (const QString &name : std::as_const(sorted))
        records.insert({{"name", name}});
    QStringList grouped;
    for (int row = 0; row < records.size(); ++row)
        grouped << records.data(QVariantList{row}).toMap().value("name").toString();
    QCOMPARE(grouped, expected);
}

// Names are shown so that two different names never look alike, one way in
// every place that shows them.
void tst_Names::shown_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");

    QTest::newRow("plain") << "Notes 2024.txt"
                           << "Notes 2024.txt";
    QTest::newRow("accents, emoji, joiners")
        << QString::fromUtf8("caf\u00e9 \U0001F469\u200D\U0001F4BB")
        << QString::fromUtf8("caf\u00e9 \U0001F469\u200D\U0001F4BB");
    QTest::newRow("right-to-left override")
        << QString::fromUtf8("evil\u202Egnp.exe") << "evil\\u202Egnp.exe";
    QTest::newRow("isolate and mark")
        << QString::fromUtf8("a\u2067b\u200Fc") << "a\\u2067b\\u200Fc";
    QTest::newRow("line breaks, tab, escape") << "a\nb\rc\td\x1B"
                                              << "a\\nb\\rc\\td\\x1B";
    QTest::newRow("line separator") << QString::fromUtf8("a\u2028b") << "a\\u2028b";
    QTest::newRow("only blanks") << "   " << QString::fromUtf8("\u2423\u2423\u2423");
    QTest::newRow("blanks around a name") << " a "
                                          << " a ";
    QTest::newRow("not UTF-8") << PathCodec::decode(QByteArray("caf\xE9\xFF")) << "caf\\xE9\\xFF";
}

void tst_Names::shown()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QCOMPARE(ShownNames::name(name), shown);
    QCOMPARE(ShownNames::isAltered(name), name != shown);
    // The list, the path bar and titles.
    QCOMPARE(FolderModel::displayName(name), shown);
    PathTools tools;
    QCOMPARE(tools.shownPath("/x/" + name + "/"), "/x/" + shown + "/");
    QCOMPARE(tools.segments("/x/" + name + "/").last().toMap().value("name").toString(), shown);
}

QTEST_MAIN(tst_Names)
#include "tst_names.moc"
